#include "programs/health/frmHealthAstrologySave.h"

#include "programs/health/frmHealthAstrologyDisplay.h"
#include "programs/health/health_program.h"
#include "programs/health/health_report.h"

frmHealthAstrologySave::frmHealthAstrologySave(ProgramHost &host, frmHealthAstrologyDisplay *display)
    : ReportWindow(host, display, HealthProgram().name, HealthProgram().reportWindow,
                   HealthFiles(), PrintForm::PrintDialog),
      m_display(display)
{
    addSiteLinks();
    setButtonFace(QColor(0xC0, 0xC0, 0xC0));
}

void frmHealthAstrologySave::compose(QTextCursor &cursor)
{
    composeHealthReport(cursor, m_display->reading(), m_display->person());
}

SavedDetails frmHealthAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->person());
}
