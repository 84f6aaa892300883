// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Flower Astrology's reading: the sign's lucky flowers and plants, its
// traits and a flower picture, looked up in a fixed table. No widgets here.

#include "core/person.h"
#include "core/fixed_table.h"


struct FlowerRow
{
    const char *luckyFlower = nullptr;
    const char *luckyPlants = nullptr;
    int pictureIndex = 1; // in FlowerPictures(), 1 to 12
    // About the sign's flowers and plants: one paragraph, or two joined by a
    // single "\n".
    const char *flowerPlantDescription = nullptr;
    const char *positiveTraits = nullptr; // one paragraph, second person, mostly "You are ..."
    const char *negativeTraits = nullptr; // one paragraph, second person
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<FlowerRow> kFlowerTable;

using FlowerReading = SignReading<FlowerRow>;

// Flower Astrology works from the common cusp days.
inline constexpr CuspTable kFlowerCuspTable = kStandardCuspTable;

FlowerReading BuildFlowerReading(SunSign sign);

// The files a Flower reading is saved in.
struct SavedReadingKind;
const SavedReadingKind &FlowerFiles();
