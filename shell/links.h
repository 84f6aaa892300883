#pragma once

// The web pages Starbox opens in the user's browser. The three hosts are the
// one place to change where the links lead.

#include "core/program_host.h"

#include <QUrl>

namespace WebEndpoints {
inline constexpr char16_t kMakerMainSite[] = u"https://www.velmora.example";
inline constexpr char16_t kMakerHelpSite[] = u"https://help.velmora.example";
inline constexpr char16_t kProductSite[] = u"https://www.starbox.example";
} // namespace WebEndpoints

// The address a link operation opens.
QUrl LinkAddress(WebLink link);

// Opens an address in the default browser; a failure changes nothing.
void OpenUrl(const QUrl &address);

void OpenHomePage();
void OpenOnlineHelp();
void OpenDownloadPage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenLink(WebLink link);
