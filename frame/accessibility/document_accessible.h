// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A read-only rich-text box given a name (a report): a named document
// whose text a reader reads, where Qt shows a text browser as a label. The
// address that Tab reaches in it is its one child, and takes the reader's
// focus.
//
// Qt fault: seen with Qt 6.4.2 (Debian 12). No upstream report known.

class QAccessibleInterface;
class QTextBrowser;

QAccessibleInterface *DocumentInterface(QTextBrowser *box);
