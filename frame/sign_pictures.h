// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The twelve sign pictures that the sun-sign programs show.

#include "frame/pictures.h"

// The twelve sign pictures, 200 by 200, in zodiac order (Aries first).
const ImageList &SunSignPictures();
inline constexpr QSize kSignPictureSize{200, 200};
