// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"
#include "programs/travel/travel_reading.h"

class QLabel;

// Travel Astrology's display window: "Sun Sign Traits" and "Travel Traits",
// with Print, Back and Exit.
class frmTravelAstrologyDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmTravelAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control from the reading.
    void ShowTravelReading(const TravelReading &reading);
    const TravelReading &reading() const { return m_reading; }

private:
    QWidget *createSunSignFrame();
    QWidget *createTravelFrame();

    TravelReading m_reading;
    ReadingFills<TravelReading> m_fills;
    QLabel *m_picture = nullptr;
};
