#pragma once

#include "core/frame/display_window.h"

struct PowerSignReading;
class QLabel;

// Zodiac Power Sign's display window: the sign Pluto occupied and what that
// placement means.
class frmZodiacPowerSignDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const PowerSignReading &reading);

private:
    QLabel *m_sign = nullptr;
    QLabel *m_description = nullptr;
};
