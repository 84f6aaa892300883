#pragma once

#include "core/program_window.h"
#include "programs/health/health_reading.h"

class QLabel;
class ReadingBox;
class QTabWidget;

// Health Astrology's display window: "Sun Sign and Diet" and "Sun Sign and
// Fitness", opening on the second, with Print, Back and Exit. It holds no
// logic: the input window fills it, and the report reads its controls back.
class frmHealthAstrologyDisplay : public ProgramWindow
{
    Q_OBJECT
public:
    frmHealthAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control and selects the fitness tab; the details and the
    // date as the input window shows it are kept for the report and saving.
    void ShowHealthReading(const HealthReading &reading, const LastHealthDetails &details,
                           const QString &dateShown);

    const LastHealthDetails &lastDetails() const { return m_details; }
    const QString &dateShown() const { return m_dateShown; }

public slots:
    void cmdPrint_Click();
    void cmdBack_Click();
    void cmdExit_Click();

private:
    QWidget *createDietTab();
    QWidget *createFitnessTab();
    QWidget *createConstitutionPanel(const QString &kind);
    QLabel *value(const QString &objectName, const QColor &colour, qreal pointSize = 8.25);
    ReadingBox *textBox(const QString &objectName, int widthTwips, int heightTwips);
    QLabel *list(const QString &objectName);

    QPointer<ProgramWindow> m_input;
    LastHealthDetails m_details;
    QString m_dateShown;
    QTabWidget *m_tabs = nullptr;
};
