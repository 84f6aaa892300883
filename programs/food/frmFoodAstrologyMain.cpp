// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/food/frmFoodAstrologyMain.h"

#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/text_label.h"
#include "programs/food/food_program.h"
#include "programs/food/food_reading.h"
#include "programs/food/frmFoodAstrologyDisplay.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

frmFoodAstrologyMain::frmFoodAstrologyMain(ProgramHost &host)
    : InputWindow(host, FoodProgram())
{
    createMenuBar({proceedCommand(QStringLiteral("mnuNext"), Mnemonic::Dropped)}, UpdateCaption::CheckMnemonic);

    auto *intro = new TextLabel(QStringLiteral(
        "What kind of food do you prefer? A Pizza or some green vegetables? Know more about "
        "the kind of food you like or dislike from the astrology point of view!"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    body()->addWidget(intro);

    // The three name boxes sit in fraName beside the caption "Name".
    askForThreeNames(OnlyAlphabetMessage(), DateOrder::DayMonthYear);
    auto *details = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    details->setObjectName(QStringLiteral("fraName"));
    auto *nameCaption = new TextLabel(QStringLiteral("Name"));
    nameCaption->setFont(StarboxFont(8.25, true));
    auto *nameRow = new QHBoxLayout(details);
    nameRow->addWidget(nameCaption, 0, Qt::AlignBottom);
    nameRow->addLayout(threeNames().row, 1);
    body()->addWidget(details);
    body()->addWidget(dateLists().frame);

    addButtonRow({createProceedButton(), createExitButton(QStringLiteral("E&xit"))});
    body()->addStretch(1);
}

ProgramWindow *frmFoodAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmFoodAstrologyDisplay(host(), this);
    display->showReading(BuildFoodReading(SunSignFor(person, kFoodCuspTable)), person);
    return display;
}
