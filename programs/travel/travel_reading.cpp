#include "programs/travel/travel_reading.h"

#include "programs/travel/travel_texts.h"

#include <array>

namespace {

struct TravelItems
{
    const char *rulingPlanet;
    const char *luckyNumber;
    const char *luckyColor;
    const char *luckyDay;
    const char *compatibility;
    const char *birthStone;
    const char *travelKind; // items joined by "\n"
};

// Exactly as stored, doubled ampersands included.
constexpr std::array<TravelItems, kSignCount> kTravelSignTable{{
    {"Mars", "9", "Red", "Tuesday", "Leo && Sagittarius", "Diamond",
     "Adventure Trips\nSafari Trips"},
    {"Venus", "6", "Green", "Friday", "Capricorn && Virgo", "Emerald",
     "Cultural Trips\nStylish and Happening Spots"},
    {"Mercury", "5", "Yellow", "Wednesday", "Aquarius && Libra", "Agate",
     "Cultural Trips\nTrendy and Unknown Locations"},
    {"The Moon", "2", "Silver", "Monday", "Pisces && Scorpio", "Pearl",
     "Patriotic Trips\nBoating Trips"},
    {"The Sun", "8 && 9", "Gold", "Sunday", "Aries && Sagittarius", "Ruby",
     "Luxurious Trips\nStylish and Happening Spots"},
    {"Mercury", "3 && 5", "Blue", "Wednesday", "Capricorn && Taurus", "Sapphire",
     "Cultural Trips\nEcological Tours"},
    {"Venus", "6 && 9", "Blue", "Friday", "Aquarius && Gemini", "Opal",
     "Beach Vacations\nShopping Trips"},
    {"Pluto and Mars", "2 && 4", "Burgundy and Black", "Tuesday", "Cancer && Pisces", "Topaz",
     "Adventure Trips\nExotic Vacations\nEcological Tours"},
    {"Jupiter", "5 && 7", "Purple", "Thursday", "Aries && Leo", "Turquoise",
     "Mountain Adventure Trips\nDeep Sea Fishing\nCross Country Backpack Trips"},
    {"Saturn", "8 && 2", "Brown", "Saturday", "Taurus && Virgo", "Garnet",
     "Educational Trips\nLuxurious Trips\nPopular Tourist Locations"},
    {"Uranus and Saturn", "1 && 7", "Violet", "Wednesday", "Taurus && Virgo", "Amethyst",
     "Ecological Trips\nSporting Trips"},
    {"Neptune and Jupiter", "2 && 6", "Sea green", "Friday", "Taurus && Virgo", "Aquamarine",
     "Mountain trips\nWater Sports"},
}};

// The element and quality follow the sign's place in the zodiac.
constexpr std::array<const char *, 4> kElements{"Fire", "Earth", "Air", "Water"};
constexpr std::array<const char *, 3> kQualities{"Cardinal", "Fixed", "Mutable"};

} // namespace

bool BuildTravelReading(const QString &signName, TravelReading &reading)
{
    const int index = SignIndexOf(signName);
    if (index < 0)
        return false;
    const TravelItems &items = kTravelSignTable[std::size_t(index)];
    const TravelLongTexts &texts = kTravelLongTexts[index];
    reading.sign = SignAt(index);
    reading.element = QString::fromLatin1(kElements[std::size_t(index % 4)]);
    reading.quality = QString::fromLatin1(kQualities[std::size_t(index % 3)]);
    reading.rulingPlanet = QString::fromLatin1(items.rulingPlanet);
    reading.luckyNumber = QString::fromLatin1(items.luckyNumber);
    reading.luckyColor = QString::fromLatin1(items.luckyColor);
    reading.luckyDay = QString::fromLatin1(items.luckyDay);
    reading.compatibility = QString::fromLatin1(items.compatibility);
    reading.famousPersons = QString::fromLatin1(texts.famousPersons);
    reading.birthStone = QString::fromLatin1(items.birthStone);
    reading.positiveTraits = QString::fromLatin1(texts.positiveTraits);
    reading.negativeTraits = QString::fromLatin1(texts.negativeTraits);
    reading.travelKind = QString::fromLatin1(items.travelKind);
    reading.travelProfile = QString::fromLatin1(texts.travelProfile);
    return true;
}

TravelReading TravelReadingFor(const QString &name, const QString &day, const QString &month,
                               const QString &year)
{
    TravelReading reading;
    reading.name = name;
    reading.day = day;
    reading.month = month;
    reading.year = year;
    BuildTravelReading(SignName(SunSignFor(month, day.toInt(), kTravelCuspTable)), reading);
    return reading;
}
