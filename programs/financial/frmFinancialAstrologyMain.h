#pragma once

#include "core/frame/details_widgets.h"
#include "core/frame/program_window.h"

class QLineEdit;

// Financial Astrology's input window: a name and a date of birth, or a
// saved reading opened again. Black, and without a menu bar.
class frmFinancialAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmFinancialAstrologyMain(ProgramHost &host);


public slots:
    void cmdProceed_Click();
    void cmdOpen_Click();

private:
    QLineEdit *m_name = nullptr;
    DateLists m_date;
};
