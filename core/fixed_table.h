// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every program keeps its fixed data as one compiled-in table of whole rows,
// one row a sign in zodiac order (or one a fruit, a constitution type or a
// money attribute), and reads it through this one path: the position is
// checked here, once, and a reading keeps the row whole.

#include "core/sun_sign.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

template <typename Row>
using SignTable = std::array<Row, kSignCount>;

// The row at a position 0..N-1; a position outside the table reads as an
// empty row (every text field null).
template <typename Row, std::size_t N>
const Row &RowAt(const std::array<Row, N> &table, int index)
{
    static const Row kEmptyRow{};
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return kEmptyRow;
    return table[static_cast<std::size_t>(index)];
}

// The row of a sign in a table in zodiac order (Aries first).
template <typename Row>
const Row &RowFor(const SignTable<Row> &table, SunSign sign)
{
    return RowAt(table, SignIndex(sign));
}

// The reading of a program that shows a sign's row and nothing more.
template <typename Row>
struct SignReading
{
    SunSign sign;
    Row row;
};

// A sign's reading from a table in zodiac order.
template <typename Row>
SignReading<Row> SignReadingFrom(const SignTable<Row> &table, SunSign sign)
{
    return {sign, RowFor(table, sign)};
}

// A group of a row's texts that the windows and reports treat alike: one
// text for each value of the enum Name (counted from 0), kept in the order
// they are shown. Read one by its name, or all of them in order.
template <typename Name, std::size_t N>
struct TextGroup
{
    static constexpr std::size_t size() { return N; }

    std::array<const char *, N> texts{};

    const char *operator[](Name name) const { return texts[static_cast<std::size_t>(name)]; }
    auto begin() const { return texts.begin(); }
    auto end() const { return texts.end(); }

    bool operator==(const TextGroup &) const = default;
};

// A row's text as a widget or a report needs it. Rows keep their texts as
// plain 8-bit literals, exactly as written.
inline QString RowText(const char *text)
{
    return QString::fromLatin1(text);
}

// A row's list of texts, in order.
template <std::size_t N>
QStringList RowTexts(const std::array<const char *, N> &texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(RowText(text));
    return list;
}
