#pragma once

// Flower Astrology's reading: the sign's lucky flowers and plants, its
// traits and a flower picture, looked up in a fixed table. No widgets here.

#include "core/birth_details.h"
#include "core/sun_sign.h"

#include <QString>

class ImageList;

struct FlowerReading
{
    QString sunSign;
    QString luckyFlower;
    QString luckyPlants;
    QString flowerPlantDescription; // one or two paragraphs, split by "\n"
    QString positiveTraits;
    QString negativeTraits;
    int pictureIndex = 1; // in FlowerPictures(), 1 to 12
};

// The details of the last reading that passed the checks, for the report
// and for saving.
using LastFlowerDetails = LastReadingDetails;

// Flower Astrology works from the common cusp days.
inline constexpr CuspTable kFlowerCuspTable = kStandardCuspTable;

FlowerReading BuildFlowerReading(SunSign sign);

// The twelve flower pictures: 1 a red carnation, 2 an orange chrysanthemum,
// 3 a white daffodil, 4 a blue larkspur, 5 lily of the valley, 6 a white
// narcissus, 7 an orchid, 8 a pansy, 9 a poppy, 10 red tulips, 11 a
// sunflower, 12 sweet peas.
const ImageList &FlowerPictures();
