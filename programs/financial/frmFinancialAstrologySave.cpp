// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/frmFinancialAstrologySave.h"

#include "programs/financial/financial_program.h"
#include "programs/financial/financial_report.h"

frmFinancialAstrologySave::frmFinancialAstrologySave(ProgramHost &host, frmFinancialAstrologyDisplay *display)
    : ReadingReportWindow(host, display, FinancialProgram(), PrintForm::DefaultPrinter, composeFinancialReport,
                          display->reading(), display->person())
{
    setBodyBackground(Qt::black);
}
