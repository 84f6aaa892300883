// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/gift/gift_reading.h"

GiftReading BuildGiftReading(SunSign sign, Gender gender)
{
    const GiftRow &row = RowFor(kGiftTable, sign);
    return GiftReading{sign, row, gender == Gender::Male ? row.maleIdeas : row.femaleIdeas};
}
