#include "programs/food/frmFoodAstrologyDisplay.h"

#include "core/frame/fonts.h"
#include "core/frame/reading_widgets.h"
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
    : DisplayWindow(host, FoodProgram(), input, {.backMenu = QStringLiteral("Back")})
{
    addTabSheet(QStringLiteral("SSTab1"),
                {{createProfileTab(), QStringLiteral("Food Astrology Profile")},
                 {createEatingHabitsTab(), QStringLiteral("Eating Habits")},
                 {createRecipeTab(), QStringLiteral("Astrology Recipes")}})
        ->setMinimumSize(600, 360);

    addCommandRow({Back});
}

QWidget *frmFoodAstrologyDisplay::createProfileTab()
{
    auto *tab = new QWidget;
    auto *form = new QFormLayout(tab);
    form->setVerticalSpacing(14);
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_pizza = ReadingValue(QStringLiteral("lblPizza"));
    m_snacks = ReadingValue(QStringLiteral("lblSnacks"));
    m_cocktails = ReadingValue(QStringLiteral("lblCocktails"));
    m_iceCream = ReadingValue(QStringLiteral("lblIceCream"));
    m_foodForSoul = ReadingValue(QStringLiteral("lblFoodForSoul"));
    form->addRow(ReadingCaption(QStringLiteral("Pizza")), m_pizza);
    form->addRow(ReadingCaption(QStringLiteral("Snacks")), m_snacks);
    form->addRow(ReadingCaption(QStringLiteral("Cocktails")), m_cocktails);
    form->addRow(ReadingCaption(QStringLiteral("Ice Creams")), m_iceCream);
    form->addRow(ReadingCaption(QStringLiteral("Food for the Soul")), m_foodForSoul);
    return tab;
}

QWidget *frmFoodAstrologyDisplay::createEatingHabitsTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    column->addWidget(ReadingCaption(QStringLiteral("Eating Habits")));
    m_eatingHabits = ReadingValue(QStringLiteral("lblEatingHabits"));
    m_eatingHabits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_eatingHabits, 1);
    return tab;
}

QWidget *frmFoodAstrologyDisplay::createRecipeTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    auto *recipeRow = new QHBoxLayout;
    recipeRow->addWidget(ReadingCaption(QStringLiteral("Recipe for Your Sun Sign")));
    m_recipe = ReadingValue(QStringLiteral("lblRecipe"));
    recipeRow->addWidget(m_recipe, 1);
    column->addLayout(recipeRow);
    column->addWidget(ReadingCaption(QStringLiteral("Ingredients")));
    m_ingredients = ReadingTextBox(QStringLiteral("txtIngredient"), QStringLiteral("Ingredients"));
    m_ingredients->setFixedHeight(m_ingredients->fontMetrics().lineSpacing() * 4 + 12);
    column->addWidget(m_ingredients);
    column->addWidget(ReadingCaption(QStringLiteral("Preparation")));
    m_preparation = ReadingTextBox(QStringLiteral("txtPreparation"), QStringLiteral("Preparation"));
    column->addWidget(m_preparation, 1);
    return tab;
}

void frmFoodAstrologyDisplay::showReading(const FoodReading &reading)
{
    m_pizza->setText(RowText(reading.row.pizza));
    m_snacks->setText(RowText(reading.row.snacks));
    m_cocktails->setText(RowText(reading.row.cocktails));
    m_iceCream->setText(RowText(reading.row.iceCream));
    m_foodForSoul->setText(RowText(reading.row.foodForSoul));
    m_eatingHabits->setText(RowText(reading.row.eatingHabits));
    m_recipe->setText(RowText(reading.row.recipeName));
    m_ingredients->setText(RowText(reading.row.ingredients));
    m_preparation->setText(RowText(reading.row.preparation));
}
