// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/frmFinancialAstrologyMain.h"

#include "frame/fonts.h"
#include "frame/text_label.h"
#include "programs/financial/financial_program.h"
#include "programs/financial/financial_reading.h"
#include "programs/financial/frmFinancialAstrologyDisplay.h"
#include "reports/report_files.h"

#include <QGroupBox>
#include <QVBoxLayout>

frmFinancialAstrologyMain::frmFinancialAstrologyMain(ProgramHost &host)
    : InputWindow(host, FinancialProgram())
{
    openSavedWith(&OpenSavedReading);
    setBodyBackground(Qt::black);

    auto *intro = new TextLabel(QStringLiteral(
        "Are you worrying about why you cant save money however hard your try? What kind of person are "
        "you when it comes to financial dealings? Let Orla Financial Astrology help you find your "
        "financial profile!"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    Paint(intro, QColor(0xFF, 0xFF, 0x00));
    body()->addWidget(intro);

    askForOneName(); // any character may be typed into the name
    QGroupBox *details = CreatePersonalDetailsFrame(nameBox(), dateLists());
    Paint(details, Qt::white);
    body()->addWidget(details);

    addButtonRow({createProceedButton(),
                  createOpenButton(QStringLiteral("&Open Previously Saved Reading"))});
    body()->addStretch(1);
    setMinimumWidth(Twips(8055));
}

ProgramWindow *frmFinancialAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmFinancialAstrologyDisplay(host(), this);
    display->ShowFinancialReading(FinancialReadingFor(person), WithNameTrimmed(person));
    return display;
}
