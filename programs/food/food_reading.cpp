// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/food/food_reading.h"

FoodReading BuildFoodReading(SunSign sign)
{
    return SignReadingFrom(kFoodTable, sign);
}
