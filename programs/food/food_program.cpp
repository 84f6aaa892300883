// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/food/food_program.h"

#include "programs/food/frmFoodAstrologyMain.h"

const ReadingProgramEntry &FoodProgram()
{
    static const ReadingProgramEntry entry{
        .button = 2,
        .name = QStringLiteral("Food Astrology"),
        .inputWindow = QStringLiteral("frmFoodAstrologyMain"),
        .displayWindow = QStringLiteral("frmFoodAstrologyDisplay"),
        .reportWindow = {},
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Get My &Food Astrology Reading"),
        .picture = QStringLiteral(":/buttons/food.svg"),
        .captionColour = QColor::fromRgb(0x00FF00),
        .selectorPlace = 1,
        .savedFiles = nullptr,
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmFoodAstrologyMain(host); },
    };
    return entry;
}
