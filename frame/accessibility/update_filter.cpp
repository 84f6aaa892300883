// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/update_filter.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

class UpdateFilter
{
public:
    static void install()
    {
        s_previous = QAccessible::installUpdateHandler(&UpdateFilter::update);
    }

private:
    static void update(QAccessibleEvent *event)
    {
        if (holdsBack(event))
            return;
        if (s_previous) {
            s_previous(event);
            return;
        }
        // On to the bus, as Qt sends it without a handler. Qt (6.4 to 6.8)
        // has no public call for its own handler, so it is put back for one
        // event.
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&UpdateFilter::update);
    }

    static bool holdsBack(QAccessibleEvent *event)
    {
        switch (event->type()) {
        case QAccessible::Focus:
            if (event->object()) // not a part of a control, as a report's link
                s_focused = event->object();
            return false;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged: {
            QObject *box = event->object();
            return box && box == QApplication::focusWidget() && box != s_focused;
        }
        case QAccessible::StateChanged: {
            // Qt's bridge announces a window's activation as it happens,
            // from the window's own activation events.
            QAccessibleInterface *window = event->accessibleInterface();
            auto *widget = qobject_cast<QWidget *>(window ? window->object() : nullptr);
            return static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active && widget
                   && widget->isWindow();
        }
        default:
            return false;
        }
    }

    static inline QAccessible::UpdateHandler s_previous = nullptr;
    static inline QPointer<QObject> s_focused;
};

} // namespace

void InstallUpdateFilter()
{
    UpdateFilter::install();
}
