#pragma once

#include "core/frame/display_window.h"

struct FoodReading;
class QLabel;
class ReadingBox;

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

    QLabel *m_pizza = nullptr;
    QLabel *m_snacks = nullptr;
    QLabel *m_cocktails = nullptr;
    QLabel *m_iceCream = nullptr;
    QLabel *m_foodForSoul = nullptr;
    QLabel *m_eatingHabits = nullptr;
    QLabel *m_recipe = nullptr;
    ReadingBox *m_ingredients = nullptr;
    ReadingBox *m_preparation = nullptr;
};
