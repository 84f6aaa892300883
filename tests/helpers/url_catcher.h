// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Catches the web addresses that the code under test opens, instead of a
// browser.

#include <QList>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url);
};
