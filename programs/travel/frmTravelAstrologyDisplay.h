// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/travel/travel_reading.h"

class QLabel;

// Travel Astrology's display window: "Sun Sign Traits" and "Travel Traits",
// with Print, Back and Exit.
class frmTravelAstrologyDisplay : public ReadingDisplayWindow<TravelReading>
{
    Q_OBJECT
public:
    frmTravelAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control from the reading, kept with the person for the
    // report.
    void ShowTravelReading(const TravelReading &reading, const Person &person)
    {
        showReading(reading, person);
    }

private:
    void filled() override;
    QWidget *createSunSignFrame();
    QWidget *createTravelFrame();

    QLabel *m_picture = nullptr;
};
