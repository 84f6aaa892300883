// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/frmHealthAstrologySave.h"

#include "programs/health/health_program.h"
#include "programs/health/health_report.h"

frmHealthAstrologySave::frmHealthAstrologySave(ProgramHost &host, frmHealthAstrologyDisplay *display)
    : ReadingReportWindow(host, display, HealthProgram(), PrintForm::PrintDialog, composeHealthReport,
                          display->reading(), display->person())
{
    addSiteLinks();
    setButtonFace(QColor(0xC0, 0xC0, 0xC0));
}
