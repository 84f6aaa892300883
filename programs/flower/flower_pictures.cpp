// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flower_pictures.h"

const ImageList &FlowerPictures()
{
    static const ImageList pictures({
        QStringLiteral(":/flowers/01-carnation.svg"),
        QStringLiteral(":/flowers/02-chrysanthemum.svg"),
        QStringLiteral(":/flowers/03-daffodil.svg"),
        QStringLiteral(":/flowers/04-larkspur.svg"),
        QStringLiteral(":/flowers/05-lily-of-the-valley.svg"),
        QStringLiteral(":/flowers/06-narcissus.svg"),
        QStringLiteral(":/flowers/07-orchid.svg"),
        QStringLiteral(":/flowers/08-pansy.svg"),
        QStringLiteral(":/flowers/09-poppy.svg"),
        QStringLiteral(":/flowers/10-red-tulips.svg"),
        QStringLiteral(":/flowers/11-sunflower.svg"),
        QStringLiteral(":/flowers/12-sweet-peas.svg"),
    }, {
        QStringLiteral("A red carnation"), QStringLiteral("An orange chrysanthemum"),
        QStringLiteral("A white daffodil"), QStringLiteral("A blue larkspur"),
        QStringLiteral("Lily of the valley"), QStringLiteral("A white narcissus"),
        QStringLiteral("An orchid"), QStringLiteral("A pansy"), QStringLiteral("A poppy"),
        QStringLiteral("Red tulips"), QStringLiteral("A sunflower"), QStringLiteral("Sweet peas"),
    });
    return pictures;
}
