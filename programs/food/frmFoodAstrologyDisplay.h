// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_display_window.h"
#include "programs/food/food_reading.h"

// Food Astrology's display window: the reading on three tabs.
class frmFoodAstrologyDisplay : public ReadingDisplayWindow<FoodReading>
{
    Q_OBJECT
public:
    frmFoodAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

private:
    QWidget *createProfileTab();
    QWidget *createEatingHabitsTab();
    QWidget *createRecipeTab();
};
