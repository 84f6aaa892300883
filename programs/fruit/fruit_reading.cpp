#include "programs/fruit/fruit_reading.h"

#include "core/pictures.h"
#include "programs/fruit/fruit_texts.h"

#include <array>

namespace {

constexpr std::array<const char *, kFruitCount> kFruitNames{
    "Apple", "Banana", "Black Grapes", "Cherry", "Coconut", "Custard Apple",
    "Mango", "Orange", "Paneapple", "Papaya", "Peach", "Pear"};

constexpr std::array<const char *, kFruitCount> kFruitFiles{
    "01-apple", "02-banana", "03-black-grapes", "04-cherry", "05-coconut", "06-custard-apple",
    "07-mango", "08-orange", "09-pineapple", "10-papaya", "11-peach", "12-pear"};

// What each picture shows, in plain spelling for a screen reader.
constexpr std::array<const char *, kFruitCount> kFruitDescriptions{
    "An apple", "A banana", "Black grapes", "Cherries", "A coconut", "A custard apple",
    "A mango", "An orange", "A pineapple", "A papaya", "A peach", "A pear"};

ImageList Pictures(const char *folder)
{
    QStringList resources;
    QStringList descriptions;
    for (std::size_t i = 0; i < kFruitFiles.size(); ++i) {
        resources.append(QStringLiteral(":/fruits/") + QLatin1String(folder) + QLatin1Char('/')
                         + QLatin1String(kFruitFiles[i]) + QStringLiteral(".svg"));
        descriptions.append(QLatin1String(kFruitDescriptions[i]));
    }
    return ImageList(resources, descriptions);
}

} // namespace

FruitEntry FruitTable(int index)
{
    if (index < 0 || index >= kFruitCount)
        return {};
    return {QString::fromLatin1(kFruitNames[std::size_t(index)]),
            QString::fromLatin1(kFruitInterpretations[index])};
}

const ImageList &FruitSmallPictures()
{
    static const ImageList pictures = Pictures("small");
    return pictures;
}

const ImageList &FruitBigPictures()
{
    static const ImageList pictures = Pictures("large");
    return pictures;
}
