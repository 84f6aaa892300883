// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fashion Astrology's reading: the sun sign's profile (Gift Astrology's) and
// its row of Fashion's fixed table: five style sentences, two colour texts and
// a paragraph on how the sign dresses. No widgets here.

#include "programs/gift/gift_reading.h"

// The five style fields, in the order the display shows them.
enum class FashionStyle { Boldness, Colorful, CustomMade, Traditional, Frilly };
inline constexpr std::size_t kFashionStyleCount = 5;

struct FashionRow
{
    TextGroup<FashionStyle, kFashionStyleCount> styles; // one sentence for each style field
    const char *preferredColors = nullptr;
    const char *undesirableColors = nullptr;
    const char *fashionCharacteristics = nullptr;
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<FashionRow> kFashionTable;

struct FashionReading
{
    SunSign sign;
    SignProfile profile;
    FashionRow row;
};

// Fashion Astrology finds the sign with Gift Astrology's cusp days.
inline constexpr CuspTable kFashionCuspTable = kGiftCuspTable;

FashionReading BuildFashionReading(SunSign sign);
