#include "core/pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

QPixmap SvgPixmap(const QString &resource, const QSize &logicalSize, qreal devicePixelRatio)
{
    // Each picture is drawn once per size and scale, then shared from the
    // pixmap cache, which keeps its memory bounded.
    const QString key = QStringLiteral("svg:%1:%2x%3@%4")
                            .arg(resource)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize, const QString &description)
{
    label->setAccessibleDescription(description);
    label->setFixedSize(logicalSize);
    label->setPixmap(SvgPixmap(resource, logicalSize, label->devicePixelRatioF()));
}

QString ImageList::resource(int position) const
{
    return position >= 1 && position <= count() ? m_resources.at(position - 1) : QString();
}

QString ImageList::description(int position) const
{
    return position >= 1 && position <= int(m_descriptions.size()) ? m_descriptions.at(position - 1) : QString();
}

void ImageList::show(QLabel *label, int position, const QSize &logicalSize) const
{
    const QString picture = resource(position);
    if (picture.isEmpty()) {
        label->setAccessibleDescription(QString());
        label->clear();
        return;
    }
    ShowSvg(label, picture, logicalSize, description(position));
}
