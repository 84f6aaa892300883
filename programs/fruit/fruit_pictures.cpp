// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/fruit_pictures.h"

#include "programs/fruit/fruit_reading.h"

namespace {

ImageList Pictures(const char *folder)
{
    QStringList resources;
    QStringList descriptions;
    for (const FruitRow &fruit : kFruitTable) {
        resources.append(QStringLiteral(":/fruits/") + QLatin1String(folder) + QLatin1Char('/')
                         + QLatin1String(fruit.file) + QStringLiteral(".svg"));
        descriptions.append(QLatin1String(fruit.description));
    }
    return ImageList(resources, descriptions);
}

} // namespace

const ImageList &FruitSmallPictures()
{
    static const ImageList pictures = Pictures("small");
    return pictures;
}

const ImageList &FruitBigPictures()
{
    static const ImageList pictures = Pictures("large");
    return pictures;
}
