#pragma once

#include "core/frame/program_window.h"

struct PowerSignReading;
class QLabel;

// Zodiac Power Sign's display window: the sign Pluto occupied and what that
// placement means.
class frmZodiacPowerSignDisplay : public ProgramWindow
{
    Q_OBJECT
public:
    frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const PowerSignReading &reading);

public slots:
    void cmdBack_Click();
    void cmdExit_Click();

private:
    QPointer<ProgramWindow> m_input;
    QLabel *m_sign = nullptr;
    QLabel *m_description = nullptr;
};
