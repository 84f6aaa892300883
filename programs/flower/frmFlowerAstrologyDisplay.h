// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"
#include "programs/flower/flower_reading.h"

class QLabel;

// Flower Astrology's display window: the reading with its flower picture,
// and Print, Back and Exit.
class frmFlowerAstrologyDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmFlowerAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills the window; the reading and the person are kept for the report
    // and for saving.
    void showReading(const FlowerReading &reading, const Person &person);

    const FlowerReading &reading() const { return m_reading; }
    const Person &person() const { return m_person; }

private:
    FlowerReading m_reading;
    Person m_person;
    ReadingFills<FlowerReading> m_fills;
    QLabel *m_picture = nullptr;
};
