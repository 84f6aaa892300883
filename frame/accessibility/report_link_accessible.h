// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The address of a report that Tab has reached: a link inside the
// document, which a reader announces and can follow. Qt 6.4 offers a
// reader no links inside a text on Linux.
//
// Qt fault: seen with Qt 6.4.2 (Debian 12). No upstream report known.

class QAccessibleInterface;
class QTextBrowser;
class QTextCursor;
class QUrl;

QAccessibleInterface *ReportLinkInterface(QTextBrowser *box, const QTextCursor &address, const QUrl &link);
