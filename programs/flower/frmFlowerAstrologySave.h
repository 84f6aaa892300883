#pragma once

#include "reports/report_window.h"

class frmFlowerAstrologyDisplay;

// Flower Astrology's report window: the report composed from the display
// window's reading and person (composeFlowerReport); Save writes name, day,
// month and year.
class frmFlowerAstrologySave : public ReportWindow
{
    Q_OBJECT
public:
    frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display);

protected:
    void compose(QTextCursor &cursor) override;
    SavedDetails savedDetails() const override;

private:
    const frmFlowerAstrologyDisplay *m_display;
};
