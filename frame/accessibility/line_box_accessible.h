// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text box of one line, as Qt shows it, but with its text in one run of
// attributes: Qt gives an empty run at each offset, and Orca, which joins
// the runs into what it speaks, then leaves out the last letter ("ANN" for
// ANNA).
//
// Qt fault: seen with Qt 6.4.2 (Debian 12) and Orca 43. No upstream report known.

class QAccessibleInterface;
class QLineEdit;

QAccessibleInterface *LineBoxInterface(QLineEdit *box);
