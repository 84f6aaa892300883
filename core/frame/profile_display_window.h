// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The display window that Gift and Fashion Astrology share: the tab sheet
// SSTab1 with the sun sign profile first and the program's own tab second,
// Back at the right end of the bottom strip, and the File menu with Back
// and Exit.

#include "core/frame/display_window.h"
#include "core/frame/sign_profile_tab.h"

class QTabWidget;

class ProfileDisplayWindow : public DisplayWindow
{
    Q_OBJECT
public:
    ProfileDisplayWindow(ProgramHost &host, ProgramWindow *input, const ReadingProgramEntry &program,
                         TraitsLayout traits);

protected:
    // Adds the program's own tab, after the sun sign profile.
    void addProgramTab(QWidget *tab, const QString &caption);
    SignProfileTab *profileTab() const { return m_profile; }
    QTabWidget *tabs() const { return m_tabs; }

private:
    QTabWidget *m_tabs = nullptr;
    SignProfileTab *m_profile = nullptr;
};
