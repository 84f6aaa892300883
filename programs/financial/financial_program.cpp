// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/financial_program.h"

#include "programs/financial/frmFinancialAstrologyMain.h"
#include "programs/financial/financial_reading.h"

const ReadingProgramEntry &FinancialProgram()
{
    static const ReadingProgramEntry entry{
        .button = 0,
        .name = QStringLiteral("Financial Astrology"),
        .inputWindow = QStringLiteral("frmFinancialAstrologyMain"),
        .displayWindow = QStringLiteral("frmFinancialAstrologyDisplay"),
        .reportWindow = QStringLiteral("frmFinancialAstrologySave"),
        .proceedButton = QStringLiteral("cmdProceed"),
        .proceedCaption = QStringLiteral("&Get My Financial Astrology Reading"),
        .picture = {},
        .captionColour = QColor::fromRgb(0xFFFF00),
        .selectorPlace = -1,
        .savedFiles = &FinancialFiles(),
        .openInput = [](ProgramHost &host) -> ProgramWindow * { return new frmFinancialAstrologyMain(host); },
    };
    return entry;
}
