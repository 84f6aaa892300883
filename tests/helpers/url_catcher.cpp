// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/url_catcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher()
{
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    for (const char *scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void UrlCatcher::open(const QUrl &url)
{
    opened.append(url);
}
