// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Zodiac Power Sign: the sign Pluto occupied on a date of birth, from a
// fixed table of periods covering 1 January 1900 to 31 December 2022, and a
// description of that placement. No widgets here.

#include "core/details_check.h"
#include "core/fixed_table.h"

#include <QString>

#include <array>
#include <optional>

// A day as the date lists give it. Compared as year, month, day, so that
// 29 February 1900, which the lists offer and the checks accept, has its
// place too (a calendar date would not take it).
struct ListDate
{
    int year;
    int month; // 1 to 12
    int day;

    auto operator<=>(const ListDate &) const = default;
    bool operator==(const ListDate &) const = default;
};

struct PlutoPeriod
{
    ListDate first; // both days belong to the period
    ListDate last;
    SunSign sign;
};

inline constexpr int kPlutoPeriodCount = 28;
const std::array<PlutoPeriod, kPlutoPeriodCount> &PlutoSignTable();

// The years the program offers.
inline constexpr int kPowerSignFirstYear = 1900;
inline constexpr int kPowerSignLastYear = 2022;

// The sign of the period holding the date; nothing for a date outside the
// table or a month name that is none.
std::optional<SunSign> FindPowerSign(int day, const QString &monthName, int year);

struct PowerSignRow
{
    const char *description = nullptr; // empty for the signs Pluto did not visit in these years
};

// Pluto in each sign, in zodiac order; read with RowFor.
extern const SignTable<PowerSignRow> kPowerSignTable;

// The introduction of the input window: about Pluto, the planet of changes
// and transformations. Plain ASCII.
extern const char *const kPowerSignIntroduction;

using PowerSignReading = SignReading<PowerSignRow>;

// The four checks of the input window, in order: the name as typed, 30 or
// 31 February, the 31st of a short month, 29 February outside a leap year.
std::optional<DetailsProblem> ValidatePowerSignDetails(const QString &name, int day,
                                                       int monthIndex, int year);
