// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/health/frmHealthAstrologyDisplay.h"
#include "reports/reading_report_window.h"

// Health Astrology's report window: the report composed from the display
// window's reading and person (composeHealthReport); Save writes name, day,
// month and year; Print asks for a printer.
class frmHealthAstrologySave : public ReadingReportWindow<HealthReading>
{
    Q_OBJECT
public:
    frmHealthAstrologySave(ProgramHost &host, frmHealthAstrologyDisplay *display);
};
