// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A stand-in for the main window, for testing program windows on their own.

#include "frame/program_host.h"

#include <QList>
#include <QMdiArea>
#include <QUrl>

class FakeHost : public ProgramHost
{
public:
    FakeHost();

    QMdiArea *programArea() const override { return m_area.get(); }
    void setSelectorVisible(bool visible) override { selectorVisible = visible; }
    void setOwnControlsEnabled(bool enabled) override { ownControlsEnabled = enabled; }
    void openLink(WebLink link) override { links.append(link); }
    void openAddress(const QUrl &address) override { addresses.append(address); }
    void showAbout(QWidget *) override { ++aboutShown; }
    void remindAboutUpdate(QWidget *) override { ++reminders; }

    bool selectorVisible = true;
    bool ownControlsEnabled = true;
    QList<WebLink> links;
    QList<QUrl> addresses;
    int aboutShown = 0;
    int reminders = 0;

private:
    std::unique_ptr<QMdiArea> m_area;
};
