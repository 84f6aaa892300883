#pragma once

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"
#include "programs/food/food_reading.h"

// Food Astrology's display window: the reading on three tabs.
class frmFoodAstrologyDisplay : public DisplayWindow
{
    Q_OBJECT
public:
    frmFoodAstrologyDisplay(ProgramHost &host, ProgramWindow *input);

    void showReading(const FoodReading &reading);

private:
    QWidget *createProfileTab();
    QWidget *createEatingHabitsTab();
    QWidget *createRecipeTab();

    ReadingFills<FoodReading> m_fills;
};
