// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/frmTravelAstrologyMain.h"

#include "frame/fonts.h"
#include "frame/text_label.h"
#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "programs/travel/travel_program.h"
#include "programs/travel/travel_reading.h"
#include "reports/report_files.h"

#include <QGroupBox>
#include <QVBoxLayout>

frmTravelAstrologyMain::frmTravelAstrologyMain(ProgramHost &host)
    : InputWindow(host, TravelProgram())
{
    // The name as typed: only an empty box is refused; the date is not checked.
    checkDetailsWith([](const Person &person) {
        return CheckName(person.name, {QStringLiteral("Please enter your name"), MessageIcon::Stop, false});
    });
    openSavedWith(&OpenSavedReading);
    createMenuBar({}, UpdateCaption::UpdateMnemonic);

    for (const char16_t *text :
         {u"Let Orla Travel Astrology help you find your preferred holiday locations and make your "
          u"travel profile!",
          u"Are do you prefer the beach or the mountains? Or may be the forest ranch? If you are "
          u"worrying about where to go for your next vacation, your worries are over! "}) {
        auto *intro = new TextLabel(QString::fromUtf16(text));
        intro->setWordWrap(true);
        intro->setFont(StarboxFont(9.75, true));
        body()->addWidget(intro);
    }

    askForOneName(); // any character may be typed into the name
    body()->addWidget(CreatePersonalDetailsFrame(nameBox(), dateLists()));

    addButtonRow({createProceedButton(),
                  createOpenButton(QStringLiteral("&Open Previously Saved Reading"))});
    body()->addStretch(1);
}

ProgramWindow *frmTravelAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmTravelAstrologyDisplay(host(), this);
    display->ShowTravelReading(TravelReadingFor(person), person); // the name as typed
    return display;
}
