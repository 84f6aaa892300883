// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/frmTravelAstrologySave.h"

#include "programs/travel/travel_program.h"
#include "programs/travel/travel_report.h"

frmTravelAstrologySave::frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display)
    : ReadingReportWindow(host, display, TravelProgram(), PrintForm::DefaultPrinter, composeTravelReport,
                          display->reading(), display->person())
{
}
