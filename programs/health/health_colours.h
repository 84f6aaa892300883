// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours Health Astrology's windows share.
inline const QColor kHealthCream(0xF4, 0xEA, 0xD2);  // fields and text boxes
inline const QColor kHealthPeach(0xFF, 0xE0, 0xC0);  // labels and headings
inline const QColor kHealthOrange(0xFF, 0x80, 0x00); // short values
