#include "programs/flower/flower_reading.h"

FlowerReading BuildFlowerReading(SunSign sign)
{
    return FlowerReading{sign, RowFor(kFlowerTable, sign)};
}
