#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"

class QLineEdit;

// Travel Astrology's input window: a name and a date of birth, or a saved
// reading opened again.
class frmTravelAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmTravelAstrologyMain(ProgramHost &host);


public slots:
    void cmdProceed_Click();
    void cmdOpen_Click();

private:
    QLineEdit *m_name = nullptr;
    DateLists m_date;
};
