// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMdiArea>

class QScrollArea;

// The area the program windows open in. It asks for room for every window
// it shows, so that a window larger than the main window's client area is
// never squeezed: the main window's content scrolls instead. The area
// itself never scrolls a window out of its bounds, where Qt 6.4 would tell
// a screen reader that the window is off screen and no reader speaks it.
class ProgramArea : public QMdiArea
{
    Q_OBJECT
public:
    using QMdiArea::QMdiArea;

    QSize minimumSizeHint() const override;

    // Scrolls the main window's content so that this control of one of the
    // area's windows is in sight.
    void bringIntoView(QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The main window's scroll area, where the area lies in one.
    QScrollArea *scroller() const;
};
