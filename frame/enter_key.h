// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;
class QWidget;

// Enter or Return that no control took, in a window that is no dialog: on a
// focused button it presses that button, as Space does; elsewhere the
// window's default button, if it has one. Qt's push buttons take Enter only
// in dialogs. True when a button was pressed.
bool PressButtonForEnter(QKeyEvent *event, QWidget *window);
