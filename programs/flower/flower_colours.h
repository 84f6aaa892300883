// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours of Flower Astrology's windows.

#include <QColor>

inline const QColor kFlowerPanel(0xC0, 0xC0, 0xFF);
inline const QColor kFlowerPeriwinkle(0x80, 0x80, 0xFF);
inline const QColor kFlowerDarkRed(0x40, 0x00, 0x00);
inline const QColor kFlowerYellow(0xFF, 0xFF, 0x00);
inline const QColor kFlowerButtonFace(0xC0, 0xC0, 0xC0); // grey
