// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/guarded_dialog.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

int g_running = 0;

void RegainActiveWindow()
{
    // Qt may hand the window system's focus to the window under a dialog
    // while the dialog is still modal (Return in a file dialog whose list
    // of completions is open), and then, as the dialog hides, leave the
    // application without an active window though the window system has
    // focused one: every key would go nowhere, and a screen reader would
    // find no active window. The focused window is made the active one, as
    // Qt does whenever the focus moves to a window.
    if (QApplication::activeWindow() || !QGuiApplication::focusWindow())
        return;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() == QGuiApplication::focusWindow() && window->isVisible()) {
            // Not activateWindow(): it asks the window system, which has
            // focused the window already and so tells Qt nothing new.
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(window);
            QT_WARNING_POP
            return;
        }
    }
}

} // namespace

int RunningGuardedDialogs()
{
    return g_running;
}

GuardedDialogRun::GuardedDialogRun()
{
    ++g_running;
}

GuardedDialogRun::~GuardedDialogRun()
{
    --g_running;
    RegainActiveWindow();
}
