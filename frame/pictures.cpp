// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/pictures.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

// Renders an SVG resource at a logical size for a device pixel ratio, so a
// picture stays crisp at any scale.
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

    QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Keeps a label's picture drawn at the scale of the screen it is on: when
// its window moves to a screen of another scale, the next paint draws the
// picture again from its source.
class SvgSource : public QObject
{
public:
    explicit SvgSource(QLabel *label) : QObject(label), m_label(label) { label->installEventFilter(this); }

    void show(const QString &resource, const QSize &logicalSize)
    {
        m_resource = resource;
        m_size = logicalSize;
        m_label->setPixmap(SvgPixmap(resource, logicalSize, m_label->devicePixelRatioF()));
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QPixmap shown = m_label->pixmap();
            if (!shown.isNull() && shown.devicePixelRatio() != m_label->devicePixelRatioF())
                show(m_resource, m_size);
        }
        return false;
    }

private:
    QLabel *m_label;
    QString m_resource;
    QSize m_size;
};

} // namespace

void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize, const QString &description)
{
    label->setAccessibleName(description);
    label->setAccessibleDescription(description);
    label->setFixedSize(logicalSize);
    SvgSource *source = nullptr;
    for (QObject *child : label->children()) {
        if ((source = dynamic_cast<SvgSource *>(child)))
            break;
    }
    if (!source)
        source = new SvgSource(label);
    source->show(resource, logicalSize);
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
        label->setAccessibleName(QString());
        label->setAccessibleDescription(QString());
        label->clear();
        return;
    }
    ShowSvg(label, picture, logicalSize, description(position));
}
