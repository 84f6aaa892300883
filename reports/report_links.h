// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Web addresses in a report box become links that open in the browser;
// only http, https and www. addresses are ever opened.

#include <QUrl>

#include <functional>

class QTextBrowser;

// Marks every http://, https:// and www. address in the box's text as a
// link, and opens a clicked one through open.
void EnableReportLinks(QTextBrowser *box, const std::function<void(const QUrl &)> &open);
// What becomes of the marked addresses when links are turned off.
enum class LinkText {
    Plain,   // shown as plain text again
    AsItIs   // left as they look: for a box whose report is being discarded
};

// Stops opening links, and by default removes them.
void DisableReportLinks(QTextBrowser *box, LinkText text = LinkText::Plain);

// The address a link's text names, or an invalid one for anything else:
// "www." gains "http://"; other schemes are refused.
QUrl ReportLinkAddress(const QString &linkText);
