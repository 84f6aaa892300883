// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fashion/fashion_program.h"

#include "programs/fashion/frmFashionAstrologyMain.h"

const ReadingProgramEntry &FashionProgram()
{
    static const ReadingProgramEntry entry{
        .button = 6,
        .name = QStringLiteral("Fashion Astrology"),
        .inputWindow = QStringLiteral("frmFashionAstrologyMain"),
        .displayWindow = QStringLiteral("frmFashionAstrologyDisplay"),
        .reportWindow = {},
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Get My Fashion Astrology Reading"),
        .picture = QStringLiteral(":/buttons/fashion.svg"),
        .captionColour = QColor::fromRgb(0xFF8000),
        .selectorPlace = 0,
        .savedFiles = nullptr,
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmFashionAstrologyMain(host); },
    };
    return entry;
}
