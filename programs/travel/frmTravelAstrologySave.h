// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "reports/reading_report_window.h"

// Travel Astrology's report window: the reading in fifteen sections, each
// followed by the maker's line; Save writes name, month, day and year.
class frmTravelAstrologySave : public ReadingReportWindow<TravelReading>
{
    Q_OBJECT
public:
    frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display);
};
