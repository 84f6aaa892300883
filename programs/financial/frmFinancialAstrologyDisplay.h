#pragma once

#include "core/frame/display_window.h"
#include "programs/financial/financial_reading.h"

#include <array>

class QLabel;
class QLineEdit;
class ReadingBox;
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
    QLabel *m_picture = nullptr;
    QLabel *m_sign = nullptr;
    QLineEdit *m_element = nullptr;
    QLineEdit *m_rulingPlanet = nullptr;
    QLineEdit *m_luckyNumber = nullptr;
    QLineEdit *m_luckyColor = nullptr;
    QLineEdit *m_luckyDay = nullptr;
    QLineEdit *m_compatibility = nullptr;
    QLineEdit *m_birthStone = nullptr;
    QLineEdit *m_quality = nullptr;
    ReadingBox *m_famousPersons = nullptr;
    ReadingBox *m_positive = nullptr;
    ReadingBox *m_negative = nullptr;
    ReadingBox *m_profile = nullptr;
    std::array<QLabel *, kFinancialAttributeCount> m_verdicts{};
};
