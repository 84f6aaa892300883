// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/powersign/powersign_reading.h"

// Zodiac Power Sign's display window: the sign Pluto occupied and what that
// placement means.
class frmZodiacPowerSignDisplay : public ReadingDisplayWindow<PowerSignReading>
{
    Q_OBJECT
public:
    frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input);
};
