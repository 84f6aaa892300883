// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/input_window.h"

// Financial Astrology's input window: a name and a date of birth, or a
// saved reading opened again. Black, and without a menu bar.
class frmFinancialAstrologyMain : public InputWindow
{
    Q_OBJECT
public:
    explicit frmFinancialAstrologyMain(ProgramHost &host);

protected:
    ProgramWindow *readingFor(const Person &person) override;
};
