#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"

class QLineEdit;

// Flower Astrology's input window: a name and a date of birth, or a saved
// reading opened again. It runs the update reminder when it opens.
class frmFlowerAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmFlowerAstrologyMain(ProgramHost &host);


public slots:
    void ShowFlowerReading(); // cmdProceed and File > Get My Flower Astrology Report
    void cmdOpen_Click();

private:
    bool ValidateDetails();

    QLineEdit *m_name = nullptr;
    DateLists m_date;
};
