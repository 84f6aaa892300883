// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The vocabulary every reading shares: the twelve signs, the twelve months
// and the cusp days that split each month between its two signs.

#include "core/person.h"

#include <QString>
#include <QStringList>

#include <array>

enum class SunSign {
    Aries, Taurus, Gemini, Cancer, Leo, Virgo,
    Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces
};

inline constexpr int kSignCount = 12;
inline constexpr int kMonthCount = 12;

// The sign's display name ("Aries" ... "Pisces"), also the key of every
// per-sign table.
QString SignName(SunSign sign);
// Zero-based position in zodiac order, for indexing per-sign tables.
constexpr int SignIndex(SunSign sign) { return static_cast<int>(sign); }
SunSign SignAt(int index); // index 0..11
// The position 0..11 of the sign with exactly this display name, capitals
// counting; -1 for any other text.
int SignIndexOf(const QString &signName);

// "January" ... "December".
const QStringList &MonthNames();
// 0 for January ... 11 for December; -1 for a text that names no month.
int MonthIndex(const QString &monthName);

// The two signs a month spans.
SunSign EarlierSignOf(int monthIndex);
SunSign LaterSignOf(int monthIndex);

// For each month, the first day that belongs to the later of its two signs.
using CuspTable = std::array<int, kMonthCount>;

// The cusp days that every sun-sign program uses: 20 January, 19 February
// and the 21st of every other month.
inline constexpr CuspTable kStandardCuspTable{20, 19, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21};

// The sun sign for a day of a month under a cusp table. An unknown month
// name falls back to January's signs; callers pass list entries only.
SunSign SunSignFor(const QString &monthName, int day, const CuspTable &table);
SunSign SunSignFor(int monthIndex, int day, const CuspTable &table);
// A person's sun sign: their day and month under the table.
SunSign SunSignFor(const Person &person, const CuspTable &table);
