// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/fruit_reading.h"


FruitReading FruitReadingOf(int fruit)
{
    return {fruit, RowAt(kFruitTable, fruit)};
}
