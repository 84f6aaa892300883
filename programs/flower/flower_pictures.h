// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/pictures.h"

// The twelve flower pictures: 1 a red carnation, 2 an orange chrysanthemum,
// 3 a white daffodil, 4 a blue larkspur, 5 lily of the valley, 6 a white
// narcissus, 7 an orchid, 8 a pansy, 9 a poppy, 10 red tulips, 11 a
// sunflower, 12 sweet peas.
const ImageList &FlowerPictures();
