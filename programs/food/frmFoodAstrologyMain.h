#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"


// Food Astrology's input window: three names and a date of birth.
class frmFoodAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmFoodAstrologyMain(ProgramHost &host);


public slots:
    void cmdNext_Click();

private:
    bool ValidateFoodDetails();

    ThreeNameBoxes m_names;
    DateLists m_date;
};
