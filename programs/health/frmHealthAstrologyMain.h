// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Health Astrology's input window: a name in capitals and a date of birth,
// or a saved health reading opened again. Loading it runs the update
// reminder.
class frmHealthAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmHealthAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
