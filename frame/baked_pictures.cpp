// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/baked_pictures.h"

QImage BakedImage(const QString &resource, const QSize &pixelSize)
{
    for (std::size_t i = 0; i < kBakedPictureCount; ++i) {
        const BakedPicture &baked = kBakedPictures[i];
        if (QSize(baked.width, baked.height) == pixelSize && resource == QLatin1String(baked.resource))
            return QImage(reinterpret_cast<const uchar *>(baked.pixels), baked.width, baked.height,
                          QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}
