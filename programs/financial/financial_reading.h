#pragma once

// Financial Astrology's reading: the sign's profile and famous people, its
// way with money and a verdict on each of twelve money attributes, looked
// up in fixed tables. No widgets here.

#include "core/birth_details.h"
#include "core/sun_sign.h"

#include <QString>

#include <array>

inline constexpr int kFinancialAttributeCount = 12;

struct FinancialReading
{
    QString name; // trimmed
    int day = 1;
    QString month;
    int year = 1900;

    QString sign; // the sign's name
    QString element;
    QString rulingPlanet;
    QString luckyNumber;
    QString luckyColor;
    QString luckyDay;
    QString compatibility;
    QString birthStone;
    QString quality;
    QString famousPersons;
    QString positiveTraits;
    QString negativeTraits;

    QString financialProfile;
    std::array<QString, kFinancialAttributeCount> verdicts;
};

// Financial Astrology works from the common cusp days.
inline constexpr CuspTable kFinancialCuspTable = kStandardCuspTable;

// The name of money attribute k (0 to 11): "Financial Planning" ...
// "Spendthrift".
QString FinancialAttributeName(int attribute);

// The sentence of attribute k for a level: 1, 2, or anything else for 3.
QString FinancialVerdict(int attribute, int level);

// The level (1 to 3) that applies to a sign, by its position 0 to 11, and
// an attribute.
int FinancialLevel(int signPosition, int attribute);

// Copies the named sign's profile, famous people and traits into the
// reading. A name that is none of the twelve signs changes nothing.
void StarSignDescription(const QString &sign, FinancialReading &reading);

// Fills the financial profile and the twelve verdicts for the named sign. A
// name that is none of the twelve signs changes nothing.
void Financial_Profile(const QString &sign, FinancialReading &reading);

// The whole reading of checked details.
FinancialReading FinancialReadingFor(const BirthDetails &details);
