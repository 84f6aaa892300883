// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/frame/profile_display_window.h"

#include <QTabWidget>

ProfileDisplayWindow::ProfileDisplayWindow(ProgramHost &host, ProgramWindow *input,
                                           const ReadingProgramEntry &program, TraitsLayout traits)
    : DisplayWindow(host, program, input, {.backMenu = QStringLiteral("Back")})
{
    m_profile = new SignProfileTab(traits);
    m_tabs = addTabSheet(QStringLiteral("SSTab1"), {{m_profile, QStringLiteral("Sun Sign Profile")}});
    m_tabs->setMinimumWidth(680);

    addToBottomStrip(commandButton(Back));
}

void ProfileDisplayWindow::addProgramTab(QWidget *tab, const QString &caption)
{
    tab->setObjectName(QStringLiteral("Frame3"));
    m_tabs->addTab(tab, caption);
}
