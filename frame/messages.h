// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message boxes with the application title, as every window shows them.

#include "core/details_check.h"

#include <QString>

class QWidget;

// The title of every message box and the name users know the program by.
QString ApplicationTitle(); // "Starbox"

void ShowMessage(QWidget *parent, const QString &text, MessageIcon icon);
// A question with Yes and No and the information icon; true for Yes.
bool AskYesNo(QWidget *parent, const QString &text);
