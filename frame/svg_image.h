// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Draws an SVG file or resource into an image of a pixel size, smoothed,
// transparent where the picture leaves it empty (and wholly transparent
// when the file cannot be read). Starbox draws its pictures with this both
// when it runs and when it is built.
QImage SvgImage(const QString &file, const QSize &pixelSize);
