#include "programs/financial/financial_reading.h"

#include "programs/financial/financial_texts.h"

#include <cstdint>

namespace {

struct SignProfile
{
    const char *element;
    const char *rulingPlanet;
    const char *quality;
    const char *luckyNumber;
    const char *luckyColor;
    const char *luckyDay;
    const char *compatibility;
    const char *birthStone;
};

// As shown and printed: the pairs are joined by "&", "and" or a comma.
constexpr std::array<SignProfile, kSignCount> kSignProfiles{{
    {"Fire", "Mars", "Cardinal", "9", "Red", "Tuesday", "Leo & Sagittarius", "Diamond"},
    {"Earth", "Venus", "Fixed", "6", "Green", "Friday", "Capricorn & Virgo", "Emerald"},
    {"Air", "Mercury", "Mutable", "5", "Yellow", "Wednesday", "Aquarius & Libra", "Agate"},
    {"Water", "The Moon", "Cardinal", "2", "Silver", "Monday", "Pisces & Scorpio", "Pearl"},
    {"Fire", "The Sun", "Fixed", "8 & 9", "Gold", "Sunday", "Aries & Sagittarius", "Ruby"},
    {"Earth", "Mercury", "Mutable", "3 & 5", "Blue", "Wednesday", "Capricorn & Taurus", "Sapphire"},
    {"Air", "Venus", "Cardinal", "6 & 9", "Blue", "Friday", "Aquarius and Gemini", "Opal"},
    {"Water", "Pluto and Mars", "Fixed", "2 & 4", "Burgundy and Black", "Tuesday", "Cancer & Pisces",
     "Topaz"},
    {"Fire", "Jupiter", "Mutable", "5 & 7", "Purple", "Thursday", "Aries & Leo", "Turquoise"},
    {"Earth", "Saturn", "Cardinal", "8, 2", "Brown", "Saturday", "Taurus & Virgo", "Garnet"},
    {"Air", "Uranus and Saturn", "Fixed", "1, 7", "Violet", "Wednesday", "Taurus & Virgo", "Amethyst"},
    {"Water", "Neptune and Jupiter", "Mutable", "2, 6", "Sea green", "Friday", "Taurus & Virgo",
     "Aquamarine"},
}};

struct FinancialAttribute
{
    const char *name;
    const char *verdicts[3]; // levels 1, 2 and 3
};

constexpr std::array<FinancialAttribute, kFinancialAttributeCount> kAttributes{{
    {"Financial Planning",
     {"You are very poor at financial planning.", "You may not be an expert but you manage money well.",
      "You are very good at financial planning and money management."}},
    {"No Worry",
     {"You worry a lot about money.", "You do tend to think about your future at times.",
      "You do not believe in saving for the rainy day."}},
    {"Pacts & Contracts",
     {"You are very bad at making contracts with people.", "You may get your way in a few deals.",
      "You have a way with making deals work out to your advantage."}},
    {"Meticulous",
     {"You are as careless as possible where money is concerned.",
      "You are thorough with money issues but could be better.", "You are very particular about details."}},
    {"Prudent",
     {"You are a big spender.", "You may spend depending on your moods.",
      "You do not let go of money so easily."}},
    {"Generosity",
     {"You do not believe in sharing a penny.", "You may not be very generous with money.",
      "You are very generous and always have money for others."}},
    {"Investments",
     {"You think investments are a big bore.",
      "You believe in investing in a few ventures but a more established method is preferred.",
      "You have a keen sense in investing money."}},
    {"Money- minded",
     {"Money makes no difference to your personality.", "You may not be very money minded.",
      "Money matters a lot to you."}},
    {"Trustworthy",
     {"You cannot be trusted with money.", "You may not always be careful with money.",
      "You are very careful with money."}},
    {"Risks",
     {"You will not take any risk where money is concerned.", "You are willing to take a few risks.",
      "You believe in taking risks to increase your investments."}},
    {"Hoard",
     {"You do not believe in saving a single penny.", "You may hoard for the future.",
      "You believe in hoarding and saving money."}},
    {"Spendthrift",
     {"If possible, you will not spend a single penny.", "You may not be a big spender but do your bit.",
      "You do not know the meaning of saving money and it is spent before it comes in."}},
}};

// Which of the three sentences applies: one run of twelve attributes per
// sign, Aries first; sign p's run starts at 12 * p.
constexpr std::array<std::uint8_t, kSignCount * kFinancialAttributeCount> kLevels{
    1, 2, 3, 1, 1, 2, 1, 2, 1, 3, 1, 3, // Aries
    3, 1, 3, 2, 3, 1, 3, 3, 3, 1, 3, 1, // Taurus
    1, 3, 3, 1, 1, 3, 1, 1, 1, 3, 1, 3, // Gemini
    3, 1, 3, 3, 3, 1, 3, 3, 2, 1, 3, 1, // Cancer
    1, 2, 2, 2, 1, 3, 1, 3, 2, 2, 2, 3, // Leo
    3, 1, 2, 3, 3, 1, 3, 3, 3, 1, 3, 1, // Virgo
    2, 2, 1, 1, 1, 3, 2, 2, 1, 2, 1, 3, // Libra
    2, 1, 3, 2, 3, 1, 3, 2, 2, 2, 3, 2, // Scorpio
    1, 3, 2, 1, 1, 3, 2, 1, 1, 3, 1, 3, // Sagittarius
    3, 1, 3, 3, 3, 1, 3, 3, 3, 1, 3, 1, // Capricorn
    2, 2, 1, 1, 2, 3, 3, 2, 2, 3, 2, 2, // Aquarius
    1, 3, 1, 1, 2, 3, 2, 1, 1, 2, 1, 3, // Pisces
};

bool ValidAttribute(int attribute)
{
    return attribute >= 0 && attribute < kFinancialAttributeCount;
}

} // namespace

QString FinancialAttributeName(int attribute)
{
    return ValidAttribute(attribute) ? QString::fromLatin1(kAttributes[std::size_t(attribute)].name) : QString();
}

QString FinancialVerdict(int attribute, int level)
{
    if (!ValidAttribute(attribute))
        return {};
    const int column = level == 1 ? 0 : level == 2 ? 1 : 2;
    return QString::fromLatin1(kAttributes[std::size_t(attribute)].verdicts[column]);
}

int FinancialLevel(int signPosition, int attribute)
{
    if (signPosition < 0 || signPosition >= kSignCount || !ValidAttribute(attribute))
        return 0;
    return kLevels[std::size_t(kFinancialAttributeCount * signPosition + attribute)];
}

void StarSignDescription(const QString &sign, FinancialReading &reading)
{
    const int p = SignIndexOf(sign);
    if (p < 0)
        return;
    const SignProfile &profile = kSignProfiles[std::size_t(p)];
    const FinancialLongTexts &texts = kFinancialLongTexts[p];
    reading.element = QString::fromLatin1(profile.element);
    reading.rulingPlanet = QString::fromLatin1(profile.rulingPlanet);
    reading.quality = QString::fromLatin1(profile.quality);
    reading.luckyNumber = QString::fromLatin1(profile.luckyNumber);
    reading.luckyColor = QString::fromLatin1(profile.luckyColor);
    reading.luckyDay = QString::fromLatin1(profile.luckyDay);
    reading.compatibility = QString::fromLatin1(profile.compatibility);
    reading.birthStone = QString::fromLatin1(profile.birthStone);
    reading.famousPersons = QString::fromLatin1(texts.famousPersons);
    reading.positiveTraits = QString::fromLatin1(texts.positiveTraits);
    reading.negativeTraits = QString::fromLatin1(texts.negativeTraits);
}

void Financial_Profile(const QString &sign, FinancialReading &reading)
{
    const int p = SignIndexOf(sign);
    if (p < 0)
        return;
    reading.financialProfile = QString::fromLatin1(kFinancialLongTexts[p].financialProfile);
    for (int k = 0; k < kFinancialAttributeCount; ++k)
        reading.verdicts[std::size_t(k)] = FinancialVerdict(k, FinancialLevel(p, k));
}

FinancialReading FinancialReadingFor(const BirthDetails &details)
{
    FinancialReading reading;
    reading.name = details.name.trimmed();
    reading.day = details.day;
    reading.month = details.month;
    reading.year = details.year;
    reading.sign = SignName(SunSignFor(details.month, details.day, kFinancialCuspTable));
    StarSignDescription(reading.sign, reading);
    Financial_Profile(reading.sign, reading);
    return reading;
}
