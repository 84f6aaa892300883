// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Food Astrology's input window: three names and a date of birth.
class frmFoodAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmFoodAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
