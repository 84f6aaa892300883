#pragma once

#include "core/frame/program_window.h"

class QLineEdit;

// Fruit Astrology's input window: a name only.
class frmFruitAstrologyMain : public ProgramWindow
{
    Q_OBJECT
public:
    explicit frmFruitAstrologyMain(ProgramHost &host);


public slots:
    void cmdNext_Click();

private:
    bool ValidateFruitDetails();

    QLineEdit *m_name = nullptr;
};
