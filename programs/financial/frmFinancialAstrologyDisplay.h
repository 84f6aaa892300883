// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"
#include "programs/financial/financial_reading.h"

class QLabel;
class QTabWidget;

// Financial Astrology's display window: "Sun Sign Profile" and "Financial
// Profile", with Back, Exit and Print.
class frmFinancialAstrologyDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmFinancialAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control from the reading and selects the first tab.
    void ShowFinancialReading(const FinancialReading &reading);
    const FinancialReading &reading() const { return m_reading; }

private:
    QWidget *createSignFrame();
    QWidget *createFinancialFrame();

    FinancialReading m_reading;
    QTabWidget *m_tabs = nullptr;
    ReadingFills<FinancialReading> m_fills;
    QLabel *m_picture = nullptr;
};
