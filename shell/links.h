// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The web pages Starbox opens in the user's browser; their hosts are set in
// core/web_addresses.h.

#include "frame/program_host.h"
#include "core/web_addresses.h"

#include <QUrl>

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
