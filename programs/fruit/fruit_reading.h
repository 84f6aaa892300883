#pragma once

// Fruit Astrology: a person's character read from their favourite fruit.
// The key is the fruit chosen, not a sign. No widgets here.

#include <QString>

class ImageList;

inline constexpr int kFruitCount = 12;

struct FruitEntry
{
    QString name;           // as stored: "Paneapple" included
    QString interpretation; // one paragraph to the reader
};

// The fruit at an index from 0 (Apple) to 11 (Pear).
FruitEntry FruitTable(int index);

// The small and the large picture of each fruit, addressed from 1: the
// fruit at index i is at position i + 1.
const ImageList &FruitSmallPictures();
const ImageList &FruitBigPictures();
