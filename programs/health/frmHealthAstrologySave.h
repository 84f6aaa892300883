#pragma once

#include "reports/report_window.h"

class frmHealthAstrologyDisplay;

// Health Astrology's report window: forty-one pieces read back from the
// display window's controls, in the colours of the classic sixteen-colour
// palette; Save writes name, day, month and year; Print asks for a printer.
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
