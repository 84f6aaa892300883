// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/enter_key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

bool PressButtonForEnter(QKeyEvent *event, QWidget *window)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    if (focused && focused->isEnabled() && window->isAncestorOf(focused)) {
        focused->click();
        return true;
    }
    for (QPushButton *candidate : window->findChildren<QPushButton *>()) {
        if (candidate->isDefault() && candidate->isVisible() && candidate->isEnabled()) {
            candidate->click();
            return true;
        }
    }
    return false;
}
