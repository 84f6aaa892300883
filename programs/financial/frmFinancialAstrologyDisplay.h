// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/financial/financial_reading.h"

class QLabel;
class QTabWidget;

// Financial Astrology's display window: "Sun Sign Profile" and "Financial
// Profile", with Back, Exit and Print.
class frmFinancialAstrologyDisplay : public ReadingDisplayWindow<FinancialReading>
{
    Q_OBJECT
public:
    frmFinancialAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control from the reading, kept with the person for the
    // report, and selects the first tab.
    void ShowFinancialReading(const FinancialReading &reading, const Person &person)
    {
        showReading(reading, person);
    }

private:
    void filled() override;
    QWidget *createSignFrame();
    QWidget *createFinancialFrame();

    QTabWidget *m_tabs = nullptr;
    QLabel *m_picture = nullptr;
};
