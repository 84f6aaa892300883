// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flower_program.h"

#include "programs/flower/frmFlowerAstrologyMain.h"
#include "programs/flower/flower_reading.h"

const ReadingProgramEntry &FlowerProgram()
{
    static const ReadingProgramEntry entry{
        .button = 1,
        .name = QStringLiteral("Flower Astrology"),
        .inputWindow = QStringLiteral("frmFlowerAstrologyMain"),
        .displayWindow = QStringLiteral("frmFlowerAstrologyDisplay"),
        .reportWindow = QStringLiteral("frmFlowerAstrologySave"),
        .proceedButton = QStringLiteral("cmdProceed"),
        .proceedCaption = QStringLiteral("&Get My Flower Astrology Report"),
        .picture = QStringLiteral(":/buttons/flower.svg"),
        .captionColour = QColor::fromRgb(0xFFFF80),
        .selectorPlace = 4,
        .savedFiles = &FlowerFiles(),
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmFlowerAstrologyMain(host); },
    };
    return entry;
}
