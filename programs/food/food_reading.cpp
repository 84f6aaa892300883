#include "programs/food/food_reading.h"

FoodReading BuildFoodReading(SunSign sign)
{
    return SignReadingFrom(kFoodTable, sign);
}
