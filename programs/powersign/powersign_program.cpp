// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/powersign/powersign_program.h"

#include "programs/powersign/frmZodiacPowerSignMain.h"

const ReadingProgramEntry &PowerSignProgram()
{
    static const ReadingProgramEntry entry{
        .button = 5,
        .name = QStringLiteral("Zodiac Power Sign"),
        .inputWindow = QStringLiteral("frmZodiacPowerSignMain"),
        .displayWindow = QStringLiteral("frmZodiacPowerSignDisplay"),
        .reportWindow = {},
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Find My Zodiac &Power Sign"),
        .picture = {},
        .captionColour = QColor::fromRgb(0xFF8000),
        .selectorPlace = -1,
        .savedFiles = nullptr,
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmZodiacPowerSignMain(host); },
    };
    return entry;
}
