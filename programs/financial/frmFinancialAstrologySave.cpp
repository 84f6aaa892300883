#include "programs/financial/frmFinancialAstrologySave.h"

#include "programs/financial/financial_program.h"
#include "programs/financial/financial_report.h"
#include "programs/financial/frmFinancialAstrologyDisplay.h"

frmFinancialAstrologySave::frmFinancialAstrologySave(ProgramHost &host,
                                                     frmFinancialAstrologyDisplay *display)
    : ReportWindow(host, display, FinancialProgram().name,
                   FinancialProgram().reportWindow, FinancialFiles(), PrintForm::DefaultPrinter),
      m_display(display)
{
    setBodyBackground(Qt::black);
}

void frmFinancialAstrologySave::compose(QTextCursor &cursor)
{
    composeFinancialReport(cursor, m_display->reading(), m_display->reading().person);
}

SavedDetails frmFinancialAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->reading().person);
}
