// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fruit Astrology: a person's character read from their favourite fruit.
// The key is the fruit chosen, not a sign. No widgets here.

#include "core/fixed_table.h"

inline constexpr int kFruitCount = 12;

struct FruitRow
{
    const char *name = nullptr;           // as stored: "Paneapple" included
    const char *file = nullptr;           // picture file, without folder or suffix
    const char *description = nullptr;    // what the picture shows
    const char *interpretation = nullptr; // one paragraph to the reader
};

// The fruits from 0 (Apple) to 11 (Pear); read with RowAt.
extern const std::array<FruitRow, kFruitCount> kFruitTable;

// The reading of one fruit chosen, by its place 0 to 11 in the table.
struct FruitReading
{
    int fruit = 0;
    FruitRow row;
};
FruitReading FruitReadingOf(int fruit);
