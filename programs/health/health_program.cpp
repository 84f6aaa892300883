// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/health_program.h"

#include "programs/health/frmHealthAstrologyMain.h"
#include "programs/health/health_reading.h"

const ReadingProgramEntry &HealthProgram()
{
    static const ReadingProgramEntry entry{
        .button = 4,
        .name = QStringLiteral("Health Astrology"),
        .inputWindow = QStringLiteral("frmHealthAstrologyMain"),
        .displayWindow = QStringLiteral("frmHealthAstrologyDisplay"),
        .reportWindow = QStringLiteral("frmHealthAstrologySave"),
        .proceedButton = QStringLiteral("cmdNext"),
        .proceedCaption = QStringLiteral("Get My &Health Reading"),
        .picture = {},
        .captionColour = QColor::fromRgb(0x00FFFF),
        .selectorPlace = -1,
        .savedFiles = &HealthFiles(),
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmHealthAstrologyMain(host); },
    };
    return entry;
}
