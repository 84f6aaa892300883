#pragma once

// Food Astrology's reading: the sun sign's dishes, drinks, eating habits and
// recipe, looked up in a fixed table. No widgets here.

#include "core/sun_sign.h"

#include <QString>

struct FoodReading
{
    QString sign;
    QString pizza;
    QString snacks;
    QString cocktails;
    QString iceCream;
    QString foodForSoul;
    QString eatingHabits;
    QString recipeName;
    QString ingredients;
    QString preparation;
};

// Food Astrology works from the common cusp days.
inline constexpr CuspTable kFoodCuspTable = kStandardCuspTable;

// The sign's row of the Food table.
FoodReading BuildFoodReading(SunSign sign);
