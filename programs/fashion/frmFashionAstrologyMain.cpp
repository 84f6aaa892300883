#include "programs/fashion/frmFashionAstrologyMain.h"

#include "programs/fashion/fashion_program.h"
#include "programs/fashion/fashion_reading.h"
#include "programs/fashion/frmFashionAstrologyDisplay.h"

frmFashionAstrologyMain::frmFashionAstrologyMain(ProgramHost &host)
    : ProfileInputWindow(host,
                         {FashionProgram().name, FashionProgram().inputWindow,
                          QStringLiteral("Get My Fashion Astrology Reading"),
                          QStringLiteral("Orla Fashion Astrology tells you more about the style and "
                                         "fashion adopted by people of different zodiac signs. "
                                         "Enter your date of birth and know how to make your "
                                         "fashion statement!")})
{
}

void frmFashionAstrologyMain::cmdNext_Click()
{
    if (!ValidateDetails())
        return;
    auto *display = new frmFashionAstrologyDisplay(host(), this);
    display->showReading(BuildFashionReading(EnteredSign(kFashionCuspTable)));
    showReading(display);
}
