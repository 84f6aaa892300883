// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which of Starbox's interfaces a control gets, if any: Qt asks for each
// class of the control's, the control's own first, and takes the first
// interface given.

class QAccessibleInterface;
class QObject;
class QString;

QAccessibleInterface *StarboxInterfaces(const QString &className, QObject *object);
