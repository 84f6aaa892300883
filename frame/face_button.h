// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QPushButton>

// A push button that may have a face of its own colour. The colour is given
// to the style at painting time from one palette shared by every button of
// those colours, so the style's cached pictures of the face are made once
// rather than again for every window, as a palette set on each button
// would have them. With the application's palette and the face's colours
// set on each button instead, resident memory keeps growing: by 1.3 MiB
// over 1,000 Flower report cycles and 5.8 MiB over 10,000, then by 4.3 MiB
// over 1,000 Flower reading cycles and 7.6 MiB over 10,000 (flat with the
// shared palettes; starbox_bench). Setting one shared palette on each
// button grows the same: the button resolves it into palette data of its
// own, which the style's cache tells apart.
class FaceButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    void setFace(const QColor &face, const QColor &text = Qt::black);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPalette m_face;
    bool m_hasFace = false;
};
