#include "core/pictures.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

QPixmap SvgPixmap(const QString &resource, const QSize &logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize)
{
    label->setFixedSize(logicalSize);
    label->setPixmap(SvgPixmap(resource, logicalSize, label->devicePixelRatioF()));
}
