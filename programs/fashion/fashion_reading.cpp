// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fashion/fashion_reading.h"

FashionReading BuildFashionReading(SunSign sign)
{
    return FashionReading{sign, RowFor(kGiftTable, sign).profile, RowFor(kFashionTable, sign)};
}
