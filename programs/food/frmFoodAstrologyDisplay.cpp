// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/food/frmFoodAstrologyDisplay.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "programs/food/food_program.h"
#include "programs/food/food_reading.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmFoodAstrologyDisplay::frmFoodAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, FoodProgram(), input, {.backMenu = QStringLiteral("Back")})
{
    addTabSheet(QStringLiteral("SSTab1"),
                {{createProfileTab(), QStringLiteral("Food Astrology Profile")},
                 {createEatingHabitsTab(), QStringLiteral("Eating Habits")},
                 {createRecipeTab(), QStringLiteral("Astrology Recipes")}})
        ->setMinimumSize(Twips(9000), Twips(5400));

    addCommandRow({Back});
}

QWidget *frmFoodAstrologyDisplay::createProfileTab()
{
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    form->setVerticalSpacing(14);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto addRow = [this, form](const QString &caption, const QString &name, FoodFavourite favourite) {
        QLabel *value = fills().add(ReadingValue(name, caption), &FoodRow::favourites, favourite);
        form->addRow(ReadingCaption(caption), value);
    };
    addRow(QStringLiteral("Pizza"), QStringLiteral("lblPizza"), FoodFavourite::Pizza);
    addRow(QStringLiteral("Snacks"), QStringLiteral("lblSnacks"), FoodFavourite::Snacks);
    addRow(QStringLiteral("Cocktails"), QStringLiteral("lblCocktails"), FoodFavourite::Cocktails);
    addRow(QStringLiteral("Ice Creams"), QStringLiteral("lblIceCream"), FoodFavourite::IceCream);
    addRow(QStringLiteral("Food for the Soul"), QStringLiteral("lblFoodForSoul"), FoodFavourite::FoodForSoul);
    return tab;
}

QWidget *frmFoodAstrologyDisplay::createEatingHabitsTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    column->addWidget(ReadingCaption(QStringLiteral("Eating Habits")));
    QLabel *habits = fills().add(ReadingValue(QStringLiteral("lblEatingHabits"), QStringLiteral("Eating Habits")), &FoodRow::eatingHabits);
    habits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(habits, 1);
    return tab;
}

QWidget *frmFoodAstrologyDisplay::createRecipeTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    auto *recipeRow = new QHBoxLayout;
    recipeRow->addWidget(ReadingCaption(QStringLiteral("Recipe for Your Sun Sign")));
    recipeRow->addWidget(fills().add(ReadingValue(QStringLiteral("lblRecipe"), QStringLiteral("Recipe for Your Sun Sign")), &FoodRow::recipeName), 1);
    column->addLayout(recipeRow);
    column->addWidget(ReadingCaption(QStringLiteral("Ingredients")));
    ReadingBox *ingredients = fills().add(ReadingTextBox(QStringLiteral("txtIngredient"), QStringLiteral("Ingredients")),
                                          &FoodRow::ingredients);
    ingredients->setFixedHeight(ingredients->fontMetrics().lineSpacing() * 4 + 12);
    column->addWidget(ingredients);
    column->addWidget(ReadingCaption(QStringLiteral("Preparation")));
    column->addWidget(fills().add(ReadingTextBox(QStringLiteral("txtPreparation"), QStringLiteral("Preparation")),
                                  &FoodRow::preparation),
                      1);
    return tab;
}
