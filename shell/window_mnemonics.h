// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Alt+letter in a program window belongs to that window. The main window's
// menu and Exit button share letters with the program windows' own
// commands, and the program windows' menus share some with their buttons,
// so Qt alone would only move the focus round the clashing ones: here the
// window being worked in goes first, its buttons before its menu titles.
// F10 opens the first menu of that window, or of the main window, so that a
// menu whose letter a button takes is still at hand; Alt on its own goes to
// that window's menu bar too.

#include <QObject>

class QMenuBar;

// The letter that a caption's ampersand marks, in capitals ("&&" is an
// ampersand shown); a null QChar when there is none.
QChar MnemonicOf(const QString &caption);

class WindowMnemonics : public QObject
{
public:
    // Watches the keys of the whole application from now on; mainMenu is
    // the menu bar of the window that holds the program windows.
    WindowMnemonics(QMenuBar *mainMenu, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *m_mainMenu;
};
