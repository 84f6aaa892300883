// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/frmFlowerAstrologySave.h"

#include "programs/flower/flower_colours.h"
#include "programs/flower/flower_program.h"
#include "programs/flower/flower_report.h"

frmFlowerAstrologySave::frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display)
    : ReadingReportWindow(host, display, FlowerProgram(), PrintForm::PrintDialog, composeFlowerReport,
                          display->reading(), display->person())
{
    addSiteLinks();
    setButtonFace(kFlowerButtonFace);
}
