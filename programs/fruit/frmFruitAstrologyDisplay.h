// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/display_window.h"

#include <array>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QStackedLayout;

// Fruit Astrology's display window: twelve fruit pictures to choose from,
// and the chosen fruit's picture, name and interpretation at the same
// place, any number of times.
class frmFruitAstrologyDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmFruitAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

public slots:
    void picSmallFruit_Click(int index);
    void cmdResultBack_Click();

private:
    QWidget *createChoice();
    QWidget *createResult();

    QStackedLayout *m_frames = nullptr;
    QWidget *m_choose = nullptr;
    QGroupBox *m_result = nullptr;
    std::array<ClickableLabel *, 12> m_smallFruit{};
    QLabel *m_bigFruit = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_description = nullptr;
};
