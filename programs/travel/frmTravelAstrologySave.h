#pragma once

#include "reports/report_window.h"

class frmTravelAstrologyDisplay;

// Travel Astrology's report window: the reading in fifteen sections, each
// followed by the maker's line; Save writes name, month, day and year.
class frmTravelAstrologySave : public ReportWindow
{
    Q_OBJECT
public:
    frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display);

protected:
    void compose(QTextCursor &cursor) override;
    SavedDetails savedDetails() const override;

private:
    const frmTravelAstrologyDisplay *m_display;
};
