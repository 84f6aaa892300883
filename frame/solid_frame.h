// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

// A frame filled with one colour by painting, not by a palette of its own:
// buttons inside it keep the window's palette, so the style's cached button
// pictures are shared by every window instead of made anew for each. Without
// a colour it paints nothing and shows what lies beneath.
class SolidFrame : public QFrame
{
public:
    explicit SolidFrame(const QColor &colour = QColor()) { setColour(colour); }

    void setColour(const QColor &colour)
    {
        m_colour = colour;
        setAttribute(Qt::WA_OpaquePaintEvent, colour.isValid() && colour.alpha() == 255);
        update();
    }
    const QColor &colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
