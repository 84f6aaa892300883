// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The display window that Gift and Fashion Astrology share: the tab sheet
// SSTab1 with the sun sign profile first and the program's own tab second,
// Back at the right end of the bottom strip, and the File menu with Back
// and Exit.

#include "frame/fonts.h"
#include "frame/reading_display_window.h"
#include "frame/sign_profile_tab.h"

#include <QTabWidget>

template <typename Reading>
class ProfileDisplayWindow : public ReadingDisplayWindow<Reading>
{
public:
    ProfileDisplayWindow(ProgramHost &host, ProgramWindow *input, const ReadingProgramEntry &program,
                         TraitsLayout traits)
        : ReadingDisplayWindow<Reading>(host, program, input, {.backMenu = QStringLiteral("Back")})
    {
        m_profile = new SignProfileTab(traits);
        m_tabs = this->addTabSheet(QStringLiteral("SSTab1"), {{m_profile, QStringLiteral("Sun Sign Profile")}});
        m_tabs->setMinimumWidth(Twips(10200));
        this->addToBottomStrip(this->commandButton(DisplayWindow::Back));
    }

protected:
    // Adds the program's own tab, after the sun sign profile.
    void addProgramTab(QWidget *tab, const QString &caption)
    {
        tab->setObjectName(QStringLiteral("Frame3"));
        m_tabs->addTab(tab, caption);
    }
    // Shows the sign's profile and opens on the tab given.
    void showProfile(SunSign sign, const SignProfile &profile, int openingTab)
    {
        m_profile->showProfile(sign, profile);
        m_tabs->setCurrentIndex(openingTab);
    }

private:
    QTabWidget *m_tabs = nullptr;
    SignProfileTab *m_profile = nullptr;
};
