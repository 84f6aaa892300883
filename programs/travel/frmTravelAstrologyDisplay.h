#pragma once

#include "core/frame/display_window.h"
#include "programs/travel/travel_reading.h"

class QLabel;
class ReadingBox;

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
    QLabel *m_picture = nullptr;
    QLabel *m_sign = nullptr;
    QLabel *m_element = nullptr;
    QLabel *m_rulingPlanet = nullptr;
    QLabel *m_luckyNumber = nullptr;
    QLabel *m_luckyColor = nullptr;
    QLabel *m_luckyDay = nullptr;
    QLabel *m_birthStone = nullptr;
    QLabel *m_quality = nullptr;
    QLabel *m_compatibility = nullptr;
    QLabel *m_famousPersons = nullptr;
    ReadingBox *m_positive = nullptr;
    ReadingBox *m_negative = nullptr;
    QLabel *m_travelKind = nullptr;
    QLabel *m_travelProfile = nullptr;
};
