// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Zodiac Power Sign's input window: a name and a date of birth from 1900 to
// 2022.
class frmZodiacPowerSignMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmZodiacPowerSignMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
