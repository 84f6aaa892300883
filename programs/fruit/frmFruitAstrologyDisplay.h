// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/fruit/fruit_reading.h"

#include <array>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QStackedLayout;

// Fruit Astrology's display window: twelve fruit pictures to choose from,
// and the chosen fruit's picture, name and interpretation at the same
// place, any number of times. Each fruit picked is a reading for the person
// the input window named.
class frmFruitAstrologyDisplay : public ReadingDisplayWindow<FruitReading>
{
    Q_OBJECT
public:
    frmFruitAstrologyDisplay(ProgramHost &host, ProgramWindow *input, const Person &person);

public slots:
    void picSmallFruit_Click(int index);
    void cmdResultBack_Click();

private:
    QWidget *createChoice();
    QWidget *createResult();
    void filled() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const Person m_chooser; // until a fruit is picked

    QStackedLayout *m_frames = nullptr;
    QWidget *m_choose = nullptr;
    QGroupBox *m_result = nullptr;
    std::array<ClickableLabel *, 12> m_smallFruit{};
    QLabel *m_bigFruit = nullptr;
    QLabel *m_fruitName = nullptr;
};
