#include "programs/gift/gift_reading.h"

#include "programs/gift/gift_texts.h"

#include <array>

namespace {

struct ProfileItems
{
    const char *element;
    const char *luckyNumber;
    const char *luckyDay;
    const char *compatibility;
    const char *birthstone;
};

constexpr std::array<ProfileItems, kSignCount> kProfiles{{
    {"Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond"},
    {"Earth", "6", "Friday", "Capricorn and Virgo", "Emerald"},
    {"Air", "5", "Wednesday", "Aquarius and Libra", "Agate"},
    {"Water", "2", "Monday", "Pisces and Scorpio", "Pearl"},
    {"Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby"},
    {"Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire"},
    {"Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal"},
    {"Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz"},
    {"Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise"},
    {"Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet"},
    {"Air", "1 and 7", "Wednesday", "Taurus and Virgo", "Amethyst"},
    {"Water", "2 and 6", "Friday", "Taurus and Virgo", "Aquamarine"},
}};

using Ideas = std::array<const char *, 5>;

struct GiftIdeas
{
    Ideas male;
    Ideas female;
};

// Exactly as shown, trailing blanks included.
constexpr std::array<GiftIdeas, kSignCount> kGiftIdeas{{
    {{"Athletic Equipment", "Polaroid Camera", "Puzzle", "Music Players", "Personalized Gifts"},
     {"Scarves", "Hats", "Earrings", "Sun Glasses", "Beauty Makeover Certificates"}},
    {{"Gift Certificate", "Expensive Cologne", "New Music System", "Leather Jacket",
      "A Bottle of Wine"},
     {"Chocolates", "Leather Purse", "Earrings", "Body Oils", "Perfumes"}},
    {{"Books", "Cell phone", "PDA", "Diaries & Journals", "Shirts"},
     {"Hand Lotion", "Glassware", "Watch", "Gloves", "Blouses"}},
    {{"Bottle of Wine", "An Aquarium", "Books", "Family Tree Tools", "Home Videos"},
     {"Handmade Sweater", "Silver", "Cookbook", "Spa Treatment", "A Dinner Set"}},
    {{"Lottery Tickets", "Gold Jewelry", "Cuff Links", "Bottle of Wine", "Leather Briefcase"},
     {"Cosmetics", "Fashion Accessories", "Opera tickets", "Crystal", "Diamonds "}},
    {{"Power Drills", "PDA", "Gym Equipment", "A Bottle of Wine", "Diary or Journal"},
     {"Scented Soaps", "Organic Health Stuff", "Massage Treatment", "Key Ring", "Bubble Bath"}},
    {{"Good Music CDs", "Clothes", "Shaving Kit", "Spa Treatment", "Books"},
     {"Red Roses", "Manicure", "Purse", "Paintings", "A Photo Frame"}},
    {{"Designer Sun Glasses", "Old Film DVDs", "Cologne", "An Aquarium", "Binoculars"},
     {"Beauty Products", "Opera Tickets", "An Aquarium", "Books", "Candles"}},
    {{"Outdoor Camping Equipment", "Hiking Boots", "Belt", "Telescope", "A Lottery Ticket"},
     {"Telescope", "Atlas", "Books", "Outdoor Boots", "Tickets to Metaphysics Seminars"}},
    {{"Monogrammed Briefcases", "Aftershave", "PDA", "Tie", "Wallet"},
     {"Silk Bathrobes", "Crystal ", "Day Planners", "Purse", "Candles"}},
    {{"Latest Gizmos", "Socks", "Pens", "Science Fiction Books", "Music"},
     {"Photo Albums", "Books or Magazines", "Music", "Incense", "Pens"}},
    {{"Kaleidoscope", "Bottle of Champagne", "Digital Camera", "Oil Paints", "Socks"},
     {"Showering Gels", "Bath Salts", "Poetry Books", "Perfumes", "Slippers"}},
}};

} // namespace

SignProfile SignProfileFor(SunSign sign)
{
    const int index = SignIndex(sign);
    const ProfileItems &items = kProfiles[std::size_t(index)];
    const GiftLongTexts &texts = kGiftLongTexts[index];
    return SignProfile{sign,
                       QString::fromLatin1(items.element),
                       QString::fromLatin1(items.luckyNumber),
                       QString::fromLatin1(items.luckyDay),
                       QString::fromLatin1(items.compatibility),
                       QString::fromLatin1(items.birthstone),
                       QString::fromLatin1(texts.positiveTraits),
                       QString::fromLatin1(texts.negativeTraits),
                       index + 1};
}

GiftReading BuildGiftReading(SunSign sign, Gender gender)
{
    const auto index = std::size_t(SignIndex(sign));
    const Ideas &ideas = gender == Gender::Male ? kGiftIdeas[index].male : kGiftIdeas[index].female;
    QStringList list;
    for (const char *idea : ideas)
        list.append(QString::fromLatin1(idea));
    return GiftReading{SignProfileFor(sign), list,
                       QString::fromLatin1(kGiftLongTexts[index].giftPersonality)};
}
