// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/svg_image.h"

#include <QPainter>
#include <QSvgRenderer>

QImage SvgImage(const QString &file, const QSize &pixelSize)
{
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    return image;
}
