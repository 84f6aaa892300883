// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Flower Astrology's input window: a name and a date of birth, or a saved
// reading opened again. It runs the update reminder when it opens.
class frmFlowerAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmFlowerAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
