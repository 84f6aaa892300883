#include "core/sign_pictures.h"

#include "core/pictures.h"

#include <QLabel>

QString ImageList::resource(int position) const
{
    return position >= 1 && position <= count() ? m_resources.at(position - 1) : QString();
}

void ImageList::show(QLabel *label, int position, const QSize &logicalSize) const
{
    const QString picture = resource(position);
    if (picture.isEmpty()) {
        label->clear();
        return;
    }
    ShowSvg(label, picture, logicalSize);
}

const ImageList &SunSignPictures()
{
    static const ImageList pictures({
        QStringLiteral(":/signs/01-aries.svg"),       QStringLiteral(":/signs/02-taurus.svg"),
        QStringLiteral(":/signs/03-gemini.svg"),      QStringLiteral(":/signs/04-cancer.svg"),
        QStringLiteral(":/signs/05-leo.svg"),         QStringLiteral(":/signs/06-virgo.svg"),
        QStringLiteral(":/signs/07-libra.svg"),       QStringLiteral(":/signs/08-scorpio.svg"),
        QStringLiteral(":/signs/09-sagittarius.svg"), QStringLiteral(":/signs/10-capricorn.svg"),
        QStringLiteral(":/signs/11-aquarius.svg"),    QStringLiteral(":/signs/12-pisces.svg"),
    });
    return pictures;
}
