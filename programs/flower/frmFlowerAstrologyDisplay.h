// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/flower/flower_reading.h"

class QLabel;

// Flower Astrology's display window: the reading with its flower picture,
// and Print, Back and Exit.
class frmFlowerAstrologyDisplay : public ReadingDisplayWindow<FlowerReading>
{
    Q_OBJECT
public:
    frmFlowerAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

private:
    void filled() override;

    QLabel *m_picture = nullptr;
};
