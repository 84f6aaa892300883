// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/profile_input_window.h"

// Fashion Astrology's input window: three names and a date of birth.
class frmFashionAstrologyMain : public ProfileInputWindow
{
    Q_OBJECT
public:
    explicit frmFashionAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
