// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fashion/frmFashionAstrologyMain.h"

#include "programs/fashion/fashion_program.h"
#include "programs/fashion/fashion_reading.h"
#include "programs/fashion/frmFashionAstrologyDisplay.h"

frmFashionAstrologyMain::frmFashionAstrologyMain(ProgramHost &host)
    : ProfileInputWindow(host, FashionProgram(),
                         QStringLiteral("Orla Fashion Astrology tells you more about the style and "
                                        "fashion adopted by people of different zodiac signs. "
                                        "Enter your date of birth and know how to make your "
                                        "fashion statement!"))
{
}

ProgramWindow *frmFashionAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmFashionAstrologyDisplay(host(), this);
    display->showReading(BuildFashionReading(SunSignFor(person, kFashionCuspTable)), person);
    return display;
}
