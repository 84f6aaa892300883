#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// Renders an SVG resource at a logical size for a device pixel ratio, so a
// picture stays crisp at any scale.
QPixmap SvgPixmap(const QString &resource, const QSize &logicalSize, qreal devicePixelRatio);

// Shows an SVG resource on a label at the label's own device pixel ratio.
void ShowSvg(QLabel *label, const QString &resource, const QSize &logicalSize);
