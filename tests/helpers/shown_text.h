// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading what a window shows, as a person looking at it would: tests only.
// The program itself never reads a reading back out of its widgets.

#include <QString>

class QWidget;

// What a window's label or box of this objectName shows; empty when there
// is none.
QString ShownText(const QWidget *window, const QString &objectName);
