// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

// The letter of an Alt+letter key, in capitals; null for any other key.
QChar MnemonicKey(const QKeyEvent *key)
{
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
        return {};
    const int code = key->key();
    if ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
        return QChar(code);
    return {};
}

QList<QAbstractButton *> ButtonsFor(QWidget *window, QChar letter)
{
    QList<QAbstractButton *> found;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled() && MnemonicOf(button->text()) == letter)
            found.append(button);
    }
    return found;
}

// The title in the window's menu bar that the letter opens.
std::pair<QMenuBar *, QAction *> MenuTitleFor(QWidget *window, QChar letter)
{
    for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        if (!bar->isVisible() || !bar->isEnabled())
            continue;
        for (QAction *title : bar->actions()) {
            if (title->isVisible() && title->isEnabled() && MnemonicOf(title->text()) == letter)
                return {bar, title};
        }
    }
    return {nullptr, nullptr};
}

bool HasCommandFor(QWidget *window, QChar letter)
{
    return !ButtonsFor(window, letter).isEmpty() || MenuTitleFor(window, letter).first;
}

void OpenTitle(QMenuBar *bar, QAction *title)
{
    if (title->menu())
        bar->setActiveAction(title);
    else
        title->trigger();
}

// Presses the one button with the letter, as its own mnemonic would, the
// focus staying where it is. When several share it, the focus moves on to
// the next of them instead, so that the user sees which one Space would
// press.
void RunCommandFor(QWidget *window, QChar letter)
{
    const QList<QAbstractButton *> buttons = ButtonsFor(window, letter);
    if (buttons.size() == 1) {
        buttons.first()->animateClick();
        return;
    }
    if (!buttons.isEmpty()) {
        QWidget *step = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        for (qsizetype guard = 0; guard < 10000; ++guard) {
            step = step->nextInFocusChain();
            if (auto *button = qobject_cast<QAbstractButton *>(step); button && buttons.contains(button)) {
                button->setFocus(Qt::ShortcutFocusReason);
                return;
            }
        }
        buttons.first()->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    if (const auto [bar, title] = MenuTitleFor(window, letter); bar)
        OpenTitle(bar, title);
}

QMdiSubWindow *ProgramWindowAround(QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (auto *window = qobject_cast<QMdiSubWindow *>(widget))
            return window;
    }
    return nullptr;
}

// The menu bar that a program window shows, if it has one.
QMenuBar *ShownMenuBar(QMdiSubWindow *window)
{
    auto *bar = window ? window->findChild<QMenuBar *>() : nullptr;
    return bar && bar->isVisible() ? bar : nullptr;
}

// Opens the bar's first menu as Alt and its letter would: the bar in
// keyboard mode, the menu open on its first entry. Qt 6.4 offers that only
// to the bar's own mnemonics (a private slot); opened through
// setActiveAction, the bar stays out of keyboard mode and a screen reader
// hears the window's control instead of the next menu's entry.
void OpenFirstMenu(QMenuBar *bar)
{
    const QList<QAction *> titles = bar->actions();
    for (qsizetype index = 0; index < titles.size(); ++index) {
        QAction *title = titles.at(index);
        if (!title->isVisible() || !title->isEnabled() || !title->menu())
            continue;
        if (!QMetaObject::invokeMethod(bar, "_q_internalShortcutActivated", Q_ARG(int, int(index))))
            OpenTitle(bar, title);
        return;
    }
}

} // namespace

QChar MnemonicOf(const QString &caption)
{
    // Qt's own reading of the ampersand, the one its buttons register.
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key());
}

WindowMnemonics::WindowMnemonics(QMenuBar *mainMenu, QObject *parent)
    : QObject(parent), m_mainMenu(mainMenu)
{
    qApp->installEventFilter(this);
}

bool WindowMnemonics::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    // A key is looked at once, where it is first delivered: at the focus
    // widget, and only while no dialog or popup of its own holds the keys.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || watched != focus || focus->window() != m_mainMenu->window())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    QMdiSubWindow *window = ProgramWindowAround(focus);

    if (key->key() == Qt::Key_Alt && type == QEvent::ShortcutOverride
        && (key->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == Qt::NoModifier) {
        // Alt pressed and let go on its own puts a menu bar in keyboard
        // mode: the window's own, when it has one, and not the main one.
        QMenuBar *own = ShownMenuBar(window);
        if (!own)
            return false;
        // It watches its window for the key; here it alone is shown it.
        QObject relay;
        relay.installEventFilter(own);
        QCoreApplication::sendEvent(&relay, event);
        key->accept();
        return true;
    }

    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
        if (type == QEvent::KeyPress) {
            QMenuBar *own = ShownMenuBar(window);
            OpenFirstMenu(own ? own : m_mainMenu);
        }
        return type == QEvent::KeyPress;
    }

    const QChar letter = MnemonicKey(key);
    if (letter.isNull() || !window || !HasCommandFor(window, letter))
        return false; // Qt's own shortcuts take it
    if (type == QEvent::ShortcutOverride) {
        // Claimed as a plain key, so that no shortcut elsewhere fires; the
        // key press that follows runs the window's own command.
        key->accept();
        return true;
    }
    RunCommandFor(window, letter);
    return true;
}
