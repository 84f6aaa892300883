// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Food Astrology's reading: the sun sign's row of a fixed table, with its
// dishes, drinks, eating habits and recipe. No widgets here.

#include "core/fixed_table.h"

// The sign's five favourites, in the order the profile tab shows them.
enum class FoodFavourite { Pizza, Snacks, Cocktails, IceCream, FoodForSoul };
inline constexpr std::size_t kFoodFavouriteCount = 5;

struct FoodRow
{
    TextGroup<FoodFavourite, kFoodFavouriteCount> favourites; // a dish or a drink each
    const char *eatingHabits = nullptr; // one paragraph about the sign's taste in food
    const char *recipeName = nullptr;
    const char *ingredients = nullptr;  // one line: comma-separated quantities and items
    const char *preparation = nullptr;  // one paragraph of instructions (Aries: two, split by "\n\n")
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<FoodRow> kFoodTable;

using FoodReading = SignReading<FoodRow>;

// Food Astrology works from the common cusp days.
inline constexpr CuspTable kFoodCuspTable = kStandardCuspTable;

FoodReading BuildFoodReading(SunSign sign);
