// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pick-only list called by its field, its entry its value and its text
// (which a reader speaks as the list's value where Qt offers no selection
// on the bus); its entries are its one child, the list that drops down.
//
// Qt fault: seen with Qt 6.4.2 (Debian 12), which offers no selection of a
// list on the bus; the description for Qt 6.8 and later only. No upstream
// report known.

class QAccessibleInterface;
class QComboBox;

QAccessibleInterface *NamedListInterface(QComboBox *list);
