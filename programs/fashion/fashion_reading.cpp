#include "programs/fashion/fashion_reading.h"

FashionReading BuildFashionReading(SunSign sign)
{
    return FashionReading{sign, RowFor(kGiftTable, sign).profile, RowFor(kFashionTable, sign)};
}
