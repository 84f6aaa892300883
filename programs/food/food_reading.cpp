#include "programs/food/food_reading.h"

FoodReading BuildFoodReading(SunSign sign)
{
    return FoodReading{sign, RowFor(kFoodTable, sign)};
}
