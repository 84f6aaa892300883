#pragma once

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"
#include "programs/powersign/powersign_reading.h"

// Zodiac Power Sign's display window: the sign Pluto occupied and what that
// placement means.
class frmZodiacPowerSignDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const PowerSignReading &reading);

private:
    ReadingFills<PowerSignReading> m_fills;
};
