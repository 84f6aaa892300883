// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Financial Astrology's reading: the sign's profile and famous people, its
// way with money and a verdict on each of twelve money attributes, looked
// up in fixed tables. No widgets here.

#include "core/person.h"
#include "core/fixed_table.h"
#include "core/sign_profile.h"

#include <cstdint>

inline constexpr int kFinancialAttributeCount = 12;

struct FinancialRow
{
    // Element, lucky number and day, compatibility, birth stone, and the
    // positive (Leo: two paragraphs, split by "\n\n") and negative traits,
    // one paragraph each to the reader.
    SignProfile profile;
    const char *rulingPlanet = nullptr;
    const char *quality = nullptr;
    const char *luckyColor = nullptr;
    // The level (1 to 3) of each money attribute, in attribute order.
    std::array<std::uint8_t, kFinancialAttributeCount> levels{};
    const char *famousPersons = nullptr;    // five to seven people born under the sign, joined by ", "
    const char *financialProfile = nullptr; // one paragraph on the sign's way with money
};

// One row a sign, in zodiac order; read with RowFor or RowAt.
extern const SignTable<FinancialRow> kFinancialTable;

// The reading of a person's details; the person travels beside it.
struct FinancialReading
{
    QString sign; // the sign's name
    FinancialRow row;
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

// Puts the named sign's row (profile, famous people, traits and financial
// profile) into the reading. A name that is none of the twelve signs changes
// nothing.
void StarSignDescription(const QString &sign, FinancialReading &reading);

// Fills the twelve verdicts for the named sign. A name that is none of the
// twelve signs changes nothing.
void Financial_Profile(const QString &sign, FinancialReading &reading);

// The whole reading of checked details.
FinancialReading FinancialReadingFor(const Person &person);

// The files a Financial reading is saved in.
struct SavedReadingKind;
const SavedReadingKind &FinancialFiles();
