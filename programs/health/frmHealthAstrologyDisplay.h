// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/health/health_reading.h"

class QLabel;
class ReadingBox;
class QTabWidget;

// Health Astrology's display window: "Sun Sign and Diet" and "Sun Sign and
// Fitness", opening on the second, with Print, Back and Exit. It holds no
// logic: the input window hands it a reading, each control shows the part
// of the reading it was made for, and the report is composed from the same
// reading.
class frmHealthAstrologyDisplay : public ReadingDisplayWindow<HealthReading>
{
    Q_OBJECT
public:
    frmHealthAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    // Fills every control and selects the fitness tab; the reading and the
    // person are kept for the report and for saving.
    void ShowHealthReading(const HealthReading &reading, const Person &person)
    {
        showReading(reading, person);
    }

private:
    void filled() override;
    QWidget *createDietTab();
    QWidget *createFitnessTab();
    QWidget *createConstitutionPanel(const QString &kind);
    QLabel *value(const QString &objectName, const QColor &colour, qreal pointSize = 8.25);
    ReadingBox *textBox(const QString &objectName, int widthTwips, int heightTwips);
    QLabel *list(const QString &objectName);

    QTabWidget *m_tabs = nullptr;
};
