#include "core/fonts.h"

#include <QStringList>

QFont StarboxFont(qreal pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}
