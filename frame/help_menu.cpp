// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/help_menu.h"

#include "frame/program_host.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace {

QAction *Command(QWidget *owner, const QString &caption, const QString &name,
                 const std::function<void()> &run)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, run);
    return action;
}

} // namespace

void AddHelpMenu(QMenuBar *bar, ProgramHost &host, QWidget *owner, UpdateCaption updateCaption)
{
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(Command(owner, QStringLiteral("&Online Help"), QStringLiteral("mnuOnline"),
                            [&host] { host.openLink(WebLink::OnlineHelp); }));
    help->addAction(Command(owner, QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit"),
                            [&host] { host.openLink(WebLink::HomePage); }));
    help->addSeparator();
    const QString update = updateCaption == UpdateCaption::UpdateMnemonic
                               ? QStringLiteral("Check for Software &Update")
                               : QStringLiteral("&Check for Software Update");
    help->addAction(Command(owner, update, QStringLiteral("mnuUpdate"),
                            [&host] { host.openLink(WebLink::DownloadPage); }));
    help->addSeparator();
    help->addAction(Command(owner, QStringLiteral("&About Software"), QStringLiteral("mnuAbout"),
                            [&host, owner] { host.showAbout(owner); }));

    // Present, but it cannot be chosen.
    QAction *money = Command(owner, QStringLiteral("Make Money &Online"), QStringLiteral("mkmoney"),
                             [&host] { host.openLink(WebLink::FullBrandPage); });
    money->setEnabled(false);
    bar->addAction(money);
}
