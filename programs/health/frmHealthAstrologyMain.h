#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"

class QLineEdit;

// Health Astrology's input window: a name in capitals and a date of birth,
// or a saved health reading opened again. Loading it runs the update
// reminder.
class frmHealthAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmHealthAstrologyMain(ProgramHost &host);


public slots:
    // cmdNext_Click and File > Get My Health Reading.
    void ShowHealthReading();
    // cmdOpen_Click and File > Open Previously Saved Health Reading.
    void cmdOpen_Click();

private:
    bool ValidateDetails();

    QLineEdit *m_name = nullptr;
    DateLists m_date;
};
