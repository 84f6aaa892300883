// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/links.h"

#include <QDesktopServices>

QUrl LinkAddress(WebLink link)
{
    using namespace WebEndpoints;
    const auto at = [](const char16_t *host, const char16_t *path) {
        return QUrl(QString::fromUtf16(host) + QString::fromUtf16(path));
    };
    switch (link) {
    case WebLink::HomePage: return at(kMakerMainSite, u"/");
    case WebLink::OnlineHelp: return at(kProductSite, u"/starbox-help.html");
    case WebLink::DownloadPage: return at(kProductSite, u"/download-starbox.html");
    case WebLink::FullBrandPage: return at(kMakerHelpSite, u"/fully-branded.html");
    case WebLink::CoBrandPage: return at(kMakerHelpSite, u"/co-brand.html");
    }
    return {};
}

void OpenUrl(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

void OpenLink(WebLink link) { OpenUrl(LinkAddress(link)); }
void OpenHomePage() { OpenLink(WebLink::HomePage); }
void OpenOnlineHelp() { OpenLink(WebLink::OnlineHelp); }
void OpenDownloadPage() { OpenLink(WebLink::DownloadPage); }
void OpenFullBrandPage() { OpenLink(WebLink::FullBrandPage); }
void OpenCoBrandPage() { OpenLink(WebLink::CoBrandPage); }
