// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>

// Pictures of the main window's first frame, drawn from their SVG files
// with SvgImage when Starbox is built (tools/bake_pictures.cpp writes the
// table), for the scales most screens have. Reading and drawing the six
// selector pictures' SVG when Starbox starts took about 2.6 ms of a 16 ms
// start (measured with and without).
struct BakedPicture
{
    const char *resource;        // ":/buttons/food.svg"
    int width;                   // in pixels
    int height;
    const std::uint32_t *pixels; // premultiplied ARGB, row by row
};

extern const BakedPicture kBakedPictures[];
extern const std::size_t kBakedPictureCount;

// The resource drawn at a pixel size when Starbox was built, sharing the
// built-in pixels; a null image for a picture or size not baked.
QImage BakedImage(const QString &resource, const QSize &pixelSize);
