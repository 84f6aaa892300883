// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/profile_input_window.h"

class QRadioButton;

// Gift Astrology's input window: three names, a gender and a date of birth.
class frmGiftAstrologyMain : public ProfileInputWindow
{
    Q_OBJECT
public:
    explicit frmGiftAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;

private:
    QRadioButton *m_female = nullptr;
};
