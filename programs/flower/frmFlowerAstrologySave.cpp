#include "programs/flower/frmFlowerAstrologySave.h"

#include "programs/flower/flower_colours.h"
#include "programs/flower/flower_program.h"
#include "programs/flower/flower_report.h"
#include "programs/flower/frmFlowerAstrologyDisplay.h"

frmFlowerAstrologySave::frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display)
    : ReportWindow(host, display, FlowerProgram().name,
                   FlowerProgram().reportWindow, FlowerFiles(), PrintForm::PrintDialog),
      m_display(display)
{
    addSiteLinks();
    setButtonFace(kFlowerButtonFace);
}

void frmFlowerAstrologySave::compose(QTextCursor &cursor)
{
    composeFlowerReport(cursor, m_display->reading(), m_display->person());
}

SavedDetails frmFlowerAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->person());
}
