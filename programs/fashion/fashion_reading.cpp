#include "programs/fashion/fashion_reading.h"

#include "programs/fashion/fashion_texts.h"

#include <array>

namespace {

// The three sentences each style field chooses from, exactly as shown (the
// second boldness sentence has no full stop).
using Sentences = std::array<const char *, 3>;

constexpr Sentences kBoldness{
    "You are always willing to try out any outrageous outfit.",
    "You may think twice before trying out an outrageous outfit",
    "You will stick to what you feel comfortable in and are not willing to take risks."};
constexpr Sentences kTraditional{
    "You would prefer to wear traditional clothes.",
    "You believe in the traditional cuts and designs as far as clothes are concerned.",
    "You are not very particular about traditional stuff."};
constexpr Sentences kColorful{
    "You believe in wearing multi-colored clothes.",
    "You do not mind trying out various colors.",
    "You prefer a particular dull color."};
constexpr Sentences kCustomMade{
    "You prefer to have clothes made according to your specifications.",
    "You do not mind trying out ready made clothes or tailored ones, whichever is convenient.",
    "You don't have the patience to be measured for tailored clothes and ready made stuff is "
    "the way for you."};
constexpr Sentences kFrilly{
    "You love all the frills and laces that you can wear.",
    "You do not mind a lit frill and lace sometimes.",
    "You hate frills and fancy laces of any sort."};

// Which sentence (1 to 3) each field takes, and the colours.
struct FashionRow
{
    int boldness, traditional, colorful, customMade, frilly;
    const char *preferredColors;
    const char *undesirableColors;
};

constexpr std::array<FashionRow, kSignCount> kFashionSignTable{{
    {1, 1, 2, 3, 3, "Red", "Beige and White"},
    {3, 2, 3, 1, 1, "Royal Blue", "Purple"},
    {1, 1, 1, 3, 3, "Latest Color in Fashion", "Orange"},
    {3, 2, 2, 2, 1, "Blue and Green", "Purple"},
    {1, 3, 1, 1, 2, "Orange, Red, Yellow ", "Green, White"},
    {3, 2, 3, 1, 2, "Brown", "Red, Black"},
    {2, 2, 2, 1, 2, "Olive Green", "Orange, Red"},
    {2, 3, 2, 2, 2, "Brick Red, Black", "Yellow"},
    {1, 1, 1, 3, 3, "Emerald", "Blue"},
    {3, 2, 3, 1, 1, "Navy Blue", "Purple"},
    {1, 1, 1, 3, 3, "Black", "Beige"},
    {2, 3, 1, 3, 1, "Pink", "Red"},
}};

QString Pick(const Sentences &sentences, int number)
{
    return QString::fromLatin1(sentences[std::size_t(number - 1)]);
}

} // namespace

FashionReading BuildFashionReading(SunSign sign)
{
    const auto index = std::size_t(SignIndex(sign));
    const FashionRow &row = kFashionSignTable[index];
    return FashionReading{SignProfileFor(sign),
                          Pick(kBoldness, row.boldness),
                          Pick(kTraditional, row.traditional),
                          Pick(kColorful, row.colorful),
                          Pick(kCustomMade, row.customMade),
                          Pick(kFrilly, row.frilly),
                          QString::fromLatin1(row.preferredColors),
                          QString::fromLatin1(row.undesirableColors),
                          QString::fromLatin1(kFashionCharacteristics[index])};
}
