// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/sign_pictures.h"

#include "core/sun_sign.h"

const ImageList &SunSignPictures()
{
    static const ImageList pictures({
        QStringLiteral(":/signs/01-aries.svg"),       QStringLiteral(":/signs/02-taurus.svg"),
        QStringLiteral(":/signs/03-gemini.svg"),      QStringLiteral(":/signs/04-cancer.svg"),
        QStringLiteral(":/signs/05-leo.svg"),         QStringLiteral(":/signs/06-virgo.svg"),
        QStringLiteral(":/signs/07-libra.svg"),       QStringLiteral(":/signs/08-scorpio.svg"),
        QStringLiteral(":/signs/09-sagittarius.svg"), QStringLiteral(":/signs/10-capricorn.svg"),
        QStringLiteral(":/signs/11-aquarius.svg"),    QStringLiteral(":/signs/12-pisces.svg"),
    }, [] {
        QStringList names;
        for (int i = 0; i < kSignCount; ++i)
            names.append(QStringLiteral("The sign of ") + SignName(SignAt(i)));
        return names;
    }());
    return pictures;
}
