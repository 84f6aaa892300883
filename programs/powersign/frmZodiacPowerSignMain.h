#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"

class QLineEdit;

// Zodiac Power Sign's input window: a name and a date of birth from 1900 to
// 2022.
class frmZodiacPowerSignMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmZodiacPowerSignMain(ProgramHost &host);


public slots:
    void cmdNext_Click();

private:
    bool ValidatePowerSignDetails();

    QLineEdit *m_name = nullptr;
    DateLists m_date;
};
