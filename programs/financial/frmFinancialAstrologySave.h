// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/financial/frmFinancialAstrologyDisplay.h"
#include "reports/reading_report_window.h"

// Financial Astrology's report window: the reading in twenty-six sections,
// each followed by the maker's line; Save writes name, month, day and year.
class frmFinancialAstrologySave : public ReadingReportWindow<FinancialReading>
{
    Q_OBJECT
public:
    frmFinancialAstrologySave(ProgramHost &host, frmFinancialAstrologyDisplay *display);
};
