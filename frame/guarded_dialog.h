// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A modal dialog whose parent window may go while it is open. Closing the
// main window (a logout does) closes every program window, and a closed
// program window is deleted together with its children, a dialog it has
// open among them, while that dialog still runs its own event loop. A
// dialog on the caller's stack would then be deleted twice; this one lives
// on the heap, is watched, and is deleted only if it is still there.
//
//     GuardedDialog<QFileDialog> dialog(parent, title);
//     if (dialog.exec() != QDialog::Accepted) // also when it went away
//         return;                              // touch nothing of parent

#include <QPointer>

#include <utility>

// How many guarded dialogs are inside their own event loop now. The main
// window waits for none to be running before it closes its windows.
int RunningGuardedDialogs();

// Counts one dialog as running for as long as it lives; the window under
// it is active again once it has gone.
class GuardedDialogRun
{
public:
    GuardedDialogRun();
    ~GuardedDialogRun();
    GuardedDialogRun(const GuardedDialogRun &) = delete;
    GuardedDialogRun &operator=(const GuardedDialogRun &) = delete;
};

template <typename Dialog>
class GuardedDialog
{
public:
    template <typename... Args>
    explicit GuardedDialog(Args &&...args)
        : m_dialog(new Dialog(std::forward<Args>(args)...))
    {
    }
    ~GuardedDialog() { delete m_dialog.data(); }
    GuardedDialog(const GuardedDialog &) = delete;
    GuardedDialog &operator=(const GuardedDialog &) = delete;

    Dialog *operator->() const { return m_dialog.data(); }
    Dialog *get() const { return m_dialog.data(); }

    // The dialog's result; Rejected when it went away with its parent, in
    // which case the parent has gone too and the caller must stop.
    int exec()
    {
        const GuardedDialogRun running;
        return m_dialog->exec();
    }

    // Whether the dialog went away with its parent while open.
    bool gone() const { return m_dialog.isNull(); }

private:
    QPointer<Dialog> m_dialog;
};
