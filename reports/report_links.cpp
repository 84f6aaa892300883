// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_links.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const char *const kLinksEnabled = "starboxReportLinks";

const QRegularExpression &AddressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+[^\s<>".,;:!?)'])"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// All the addresses change in one edit, so the report is laid out again
// once, not once for each address.
void SetLinkFormat(QTextBrowser *box, bool links)
{
    QTextDocument *document = box->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    QTextCursor found(document);
    while (!(found = document->find(AddressPattern(), found)).isNull()) {
        QTextCharFormat format;
        if (links) {
            format.setAnchor(true);
            format.setAnchorHref(found.selectedText());
            format.setFontUnderline(true);
            format.setForeground(box->palette().link());
        } else {
            format.setAnchor(false);
            format.setAnchorHref(QString());
            format.setFontUnderline(false);
        }
        found.mergeCharFormat(format);
    }
    edit.endEditBlock();
}

} // namespace

QUrl ReportLinkAddress(const QString &linkText)
{
    const QString text = linkText.trimmed().left(1024);
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::StrictMode);
    const QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")))
        return url;
    return {};
}

void EnableReportLinks(QTextBrowser *box, const std::function<void(const QUrl &)> &open)
{
    DisableReportLinks(box);
    box->setOpenLinks(false);
    box->setOpenExternalLinks(false);
    SetLinkFormat(box, true);
    QObject::connect(box, &QTextBrowser::anchorClicked, box, [open](const QUrl &link) {
        const QUrl address = ReportLinkAddress(link.toString());
        if (address.isValid())
            open(address);
    });
    box->setProperty(kLinksEnabled, true);
}

void DisableReportLinks(QTextBrowser *box, LinkText text)
{
    if (!box->property(kLinksEnabled).toBool())
        return;
    // The link handler is the one connection with the box as its receiver.
    QObject::disconnect(box, &QTextBrowser::anchorClicked, box, nullptr);
    box->setProperty(kLinksEnabled, false);
    if (text == LinkText::Plain)
        SetLinkFormat(box, false);
}
