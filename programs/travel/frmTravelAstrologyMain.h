// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Travel Astrology's input window: a name and a date of birth, or a saved
// reading opened again.
class frmTravelAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmTravelAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
