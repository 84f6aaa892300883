#include "core/frame/profile_display_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

ProfileDisplayWindow::ProfileDisplayWindow(ProgramHost &host, ProgramWindow *input,
                                           const QString &programName, const QString &windowName,
                                           TraitsLayout traits)
    : ProgramWindow(host, programName, windowName, WindowRole::Display), m_input(input)
{
    createMenuBar({command(QStringLiteral("Back"), QStringLiteral("mnuBack"),
                           &ProfileDisplayWindow::cmdBack_Click)},
                  UpdateCaption::UpdateMnemonic);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_profile = new SignProfileTab(traits);
    m_tabs->addTab(m_profile, QStringLiteral("Sun Sign Profile"));
    m_tabs->setMinimumWidth(680);
    body()->addWidget(m_tabs, 1);

    addToBottomStrip(button(QStringLiteral("&Back"), QStringLiteral("cmdBack"),
                            &ProfileDisplayWindow::cmdBack_Click));
}

void ProfileDisplayWindow::addProgramTab(QWidget *tab, const QString &caption)
{
    tab->setObjectName(QStringLiteral("Frame3"));
    m_tabs->addTab(tab, caption);
}

void ProfileDisplayWindow::cmdBack_Click()
{
    backTo(m_input);
}
