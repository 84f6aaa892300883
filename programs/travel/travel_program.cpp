// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/travel_program.h"

#include "programs/travel/frmTravelAstrologyMain.h"
#include "programs/travel/travel_reading.h"

const ReadingProgramEntry &TravelProgram()
{
    static const ReadingProgramEntry entry{
        .button = 8,
        .name = QStringLiteral("Travel Astrology"),
        .inputWindow = QStringLiteral("frmTravelAstrologyMain"),
        .displayWindow = QStringLiteral("frmTravelAstrologyDisplay"),
        .reportWindow = QStringLiteral("frmTravelAstrologySave"),
        .proceedButton = QStringLiteral("cmdProceed"),
        .proceedCaption = QStringLiteral("&Find My Astro Travel Traits"),
        .picture = QStringLiteral(":/buttons/travel.svg"),
        .captionColour = QColor::fromRgb(0xFF00FF),
        .selectorPlace = 2,
        .savedFiles = &TravelFiles(),
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmTravelAstrologyMain(host); },
    };
    return entry;
}
