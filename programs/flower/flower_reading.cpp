// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flower_reading.h"

#include "core/saved_reading.h"

FlowerReading BuildFlowerReading(SunSign sign)
{
    return SignReadingFrom(kFlowerTable, sign);
}

const SavedReadingKind &FlowerFiles()
{
    static const SavedReadingKind kind =
        SavedKind(u"flo", LineOrder::NameDayMonthYear, u"Orla Flower Astrology",
                  u"Orla Flower Astrology", u"Orla Flower Astrology");
    return kind;
}
