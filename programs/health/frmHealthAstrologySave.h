#pragma once

#include "reports/report_window.h"

class frmHealthAstrologyDisplay;

// Health Astrology's report window: the report composed from the display
// window's reading and person (composeHealthReport); Save writes name, day,
// month and year; Print asks for a printer.
class frmHealthAstrologySave : public ReportWindow
{
    Q_OBJECT
public:
    frmHealthAstrologySave(ProgramHost &host, frmHealthAstrologyDisplay *display);

protected:
    void compose(QTextCursor &cursor) override;
    SavedDetails savedDetails() const override;

private:
    const frmHealthAstrologyDisplay *m_display;
};
