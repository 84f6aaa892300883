// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/pictures.h"

// The small and the large picture of each fruit, addressed from 1: the
// fruit at index i is at position i + 1.
const ImageList &FruitSmallPictures();
const ImageList &FruitBigPictures();
