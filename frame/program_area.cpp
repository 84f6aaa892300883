// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/program_area.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QScrollArea>

QScrollArea *ProgramArea::scroller() const
{
    for (QWidget *above = parentWidget(); above; above = above->parentWidget()) {
        if (auto *found = qobject_cast<QScrollArea *>(above))
            return found;
    }
    return nullptr;
}

void ProgramArea::bringIntoView(QWidget *control) const
{
    if (QScrollArea *above = scroller())
        above->ensureWidgetVisible(control, 0, 0);
}

QSize ProgramArea::minimumSizeHint() const
{
    QRect windows;
    for (const QMdiSubWindow *window : subWindowList()) {
        if (window->isVisible())
            windows |= window->geometry();
    }
    const QMargins frame = contentsMargins();
    return QMdiArea::minimumSizeHint().expandedTo(
        QSize(windows.right() + 1 + frame.left() + frame.right(), windows.bottom() + 1 + frame.top() + frame.bottom()));
}

bool ProgramArea::eventFilter(QObject *watched, QEvent *event)
{
    // The area watches its windows already; a window shown, hidden, moved
    // or resized changes the room it asks for.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (qobject_cast<QMdiSubWindow *>(watched)) {
            updateGeometry();
            // The scroll area the area lies in does not hear of it by itself.
            if (QScrollArea *above = scroller())
                QCoreApplication::postEvent(above, new QEvent(QEvent::LayoutRequest));
        }
        break;
    default:
        break;
    }
    return QMdiArea::eventFilter(watched, event);
}
