#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

class QLabel;

// Renders an SVG resource at a logical size for a device pixel ratio, so a
// picture stays crisp at any scale.
QPixmap SvgPixmap(const QString &resource, const QSize &logicalSize, qreal devicePixelRatio);

// Shows an SVG resource on a label at the label's own device pixel ratio.
void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize);

// A picture list: pictures addressed by 1-based position.
class ImageList
{
public:
    explicit ImageList(QStringList resources) : m_resources(std::move(resources)) {}

    int count() const { return int(m_resources.size()); }
    // The picture at a position from 1; empty outside the list.
    QString resource(int position) const;
    // Shows the picture at a position on a label, crisp at its pixel ratio;
    // outside the list the label is cleared.
    void show(QLabel *label, int position, const QSize &logicalSize) const;

private:
    QStringList m_resources;
};
