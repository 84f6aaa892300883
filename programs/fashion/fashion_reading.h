#pragma once

// Fashion Astrology's reading: the sun sign's profile (Gift Astrology's),
// five style sentences, two colour texts and a paragraph on how the sign
// dresses. No widgets here.

#include "programs/gift/gift_reading.h"

struct FashionReading
{
    SignProfile profile;
    QString boldness;
    QString traditional;
    QString colorful;
    QString customMade;
    QString frilly;
    QString preferredColors;
    QString undesirableColors;
    QString fashionCharacteristics;
};

// Fashion Astrology finds the sign with Gift Astrology's cusp days.
inline constexpr CuspTable kFashionCuspTable = kGiftCuspTable;

FashionReading BuildFashionReading(SunSign sign);
