// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Travel Astrology's reading: the sign's profile, famous people, the kinds
// of trip that suit it and how it travels, looked up in a fixed table. No
// widgets here.

#include "core/fixed_table.h"
#include "core/person.h"

struct TravelRow
{
    const char *rulingPlanet = nullptr;
    const char *luckyNumber = nullptr;    // pairs stored with "&&"
    const char *luckyColor = nullptr;
    const char *luckyDay = nullptr;
    const char *compatibility = nullptr;  // pairs stored with "&&"
    const char *birthStone = nullptr;
    const char *travelKind = nullptr;     // two or three trip kinds, one per line
    const char *famousPersons = nullptr;  // well-known people born under the sign, joined by ", "
    const char *positiveTraits = nullptr; // one paragraph, second person
    const char *negativeTraits = nullptr; // one paragraph, second person
    const char *travelProfile = nullptr;  // one paragraph, third person (Leo: two, split by "\n\n")
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<TravelRow> kTravelTable;

// The reading of a person's details; the person travels beside it, from
// the input window to the display and the report.
struct TravelReading
{
    SunSign sign = SunSign::Aries;
    QString element; // both follow the sign's place in the zodiac
    QString quality;
    TravelRow row;
};

// Travel Astrology works from the common cusp days.
inline constexpr CuspTable kTravelCuspTable = kStandardCuspTable;

// Puts the named sign's row into the reading; a name that is none of the
// twelve signs changes nothing. True when a row was copied.
bool BuildTravelReading(const QString &signName, TravelReading &reading);

// The whole reading of the entered details: no date check, so 31 February
// reads like any other date.
TravelReading TravelReadingFor(const Person &person);

// The files a Travel reading is saved in.
struct SavedReadingKind;
const SavedReadingKind &TravelFiles();
