// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/flower/frmFlowerAstrologyDisplay.h"
#include "reports/reading_report_window.h"

// Flower Astrology's report window: the report composed from the display
// window's reading and person (composeFlowerReport); Save writes name, day,
// month and year.
class frmFlowerAstrologySave : public ReadingReportWindow<FlowerReading>
{
    Q_OBJECT
public:
    frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display);
};
