#pragma once

#include "reports/report_window.h"

class frmFinancialAstrologyDisplay;

// Financial Astrology's report window: the reading in twenty-six sections,
// each followed by the maker's line; Save writes name, month, day and year.
class frmFinancialAstrologySave : public ReportWindow
{
    Q_OBJECT
public:
    frmFinancialAstrologySave(ProgramHost &host, frmFinancialAstrologyDisplay *display);

protected:
    void compose(QTextCursor &cursor) override;
    SavedDetails savedDetails() const override;

private:
    const frmFinancialAstrologyDisplay *m_display;
};
