// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/gift/gift_program.h"

#include "programs/gift/frmGiftAstrologyMain.h"

const ReadingProgramEntry &GiftProgram()
{
    static const ReadingProgramEntry entry{
        .button = 7,
        .name = QStringLiteral("Gift Astrology"),
        .inputWindow = QStringLiteral("frmGiftAstrologyMain"),
        .displayWindow = QStringLiteral("frmGiftAstrologyDisplay"),
        .reportWindow = {},
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Get My Gift Astrology Reading"),
        .picture = QStringLiteral(":/buttons/gift.svg"),
        .captionColour = QColor::fromRgb(0x00FFFF),
        .selectorPlace = 3,
        .savedFiles = nullptr,
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmGiftAstrologyMain(host); },
    };
    return entry;
}
