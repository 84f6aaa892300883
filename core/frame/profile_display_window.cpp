#include "core/frame/profile_display_window.h"

#include <QTabWidget>
#include <QVBoxLayout>

ProfileDisplayWindow::ProfileDisplayWindow(ProgramHost &host, ProgramWindow *input,
                                           const ReadingProgramEntry &program, TraitsLayout traits)
    : DisplayWindow(host, program, input, {.backMenu = QStringLiteral("Back")})
{
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_profile = new SignProfileTab(traits);
    m_tabs->addTab(m_profile, QStringLiteral("Sun Sign Profile"));
    m_tabs->setMinimumWidth(680);
    body()->addWidget(m_tabs, 1);

    addToBottomStrip(commandButton(Back));
}

void ProfileDisplayWindow::addProgramTab(QWidget *tab, const QString &caption)
{
    tab->setObjectName(QStringLiteral("Frame3"));
    m_tabs->addTab(tab, caption);
}
