#include "programs/travel/frmTravelAstrologySave.h"

#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "programs/travel/travel_program.h"
#include "programs/travel/travel_report.h"

frmTravelAstrologySave::frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display)
    : ReportWindow(host, display, TravelProgram().name,
                   TravelProgram().reportWindow, TravelFiles(), PrintForm::DefaultPrinter),
      m_display(display)
{
}

void frmTravelAstrologySave::compose(QTextCursor &cursor)
{
    composeTravelReport(cursor, m_display->reading(), m_display->reading().person);
}

SavedDetails frmTravelAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->reading().person);
}
