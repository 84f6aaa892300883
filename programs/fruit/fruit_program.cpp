// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/fruit_program.h"

#include "programs/fruit/frmFruitAstrologyMain.h"

const ReadingProgramEntry &FruitProgram()
{
    static const ReadingProgramEntry entry{
        .button = 3,
        .name = QStringLiteral("Fruit Astrology"),
        .inputWindow = QStringLiteral("frmFruitAstrologyMain"),
        .displayWindow = QStringLiteral("frmFruitAstrologyDisplay"),
        .reportWindow = {},
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Get My &Fruit Astrology Reading"),
        .picture = QStringLiteral(":/buttons/fruit.svg"),
        .captionColour = QColor::fromRgb(0xFF0000),
        .selectorPlace = 5,
        .savedFiles = nullptr,
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmFruitAstrologyMain(host); },
    };
    return entry;
}
