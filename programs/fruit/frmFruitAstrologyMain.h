// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Fruit Astrology's input window: a name only; the fruit is chosen on the
// display window.
class frmFruitAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmFruitAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
