// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the interfaces of this folder tell a reader in the same words.

#include <QAccessible>
#include <QList>
#include <QPair>
#include <QString>

class QWidget;

// What following a link does, which the screen shows only as a browser
// window opens: "Opens in your web browser".
QString WebLinkDescription();

// "&Name" reads "Name", "Pacts && Contracts" "Pacts & Contracts".
QString WithoutMnemonic(const QString &caption);

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// A control's relations less the frames it lies in as its labels: a reader
// speaks a frame as the control's surroundings already.
Relations WithoutFramesAround(const QWidget *control, Relations relations);
