// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/financial_reading.h"

#include "core/saved_reading.h"

namespace {

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

bool ValidAttribute(int attribute)
{
    return attribute >= 0 && attribute < kFinancialAttributeCount;
}

} // namespace

QString FinancialAttributeName(int attribute)
{
    return RowText(RowAt(kAttributes, attribute).name); // null off the table
}

QString FinancialVerdict(int attribute, int level)
{
    const int column = level == 1 ? 0 : level == 2 ? 1 : 2;
    return RowText(RowAt(kAttributes, attribute).verdicts[column]); // null off the table
}

int FinancialLevel(int signPosition, int attribute)
{
    if (!ValidAttribute(attribute))
        return 0;
    return RowAt(kFinancialTable, signPosition).levels[std::size_t(attribute)]; // 0 off the table
}

void StarSignDescription(const QString &sign, FinancialReading &reading)
{
    const int p = SignIndexOf(sign);
    if (p < 0)
        return;
    reading.row = RowAt(kFinancialTable, p);
}

void Financial_Profile(const QString &sign, FinancialReading &reading)
{
    const int p = SignIndexOf(sign);
    if (p < 0)
        return;
    for (int k = 0; k < kFinancialAttributeCount; ++k)
        reading.verdicts[std::size_t(k)] = FinancialVerdict(k, FinancialLevel(p, k));
}

FinancialReading FinancialReadingFor(const Person &person)
{
    FinancialReading reading;
    reading.sign = SignName(SunSignFor(person, kFinancialCuspTable));
    StarSignDescription(reading.sign, reading);
    Financial_Profile(reading.sign, reading);
    return reading;
}

const SavedReadingKind &FinancialFiles()
{
    static const SavedReadingKind kind =
        SavedKind(u"zod", LineOrder::NameMonthDayYear, u"Save Your Zodiac Signs Result ....",
                  u"Rich Text Format", u"Orla Zodiac Signs");
    return kind;
}
