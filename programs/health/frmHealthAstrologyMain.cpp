// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/frmHealthAstrologyMain.h"

#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/text_label.h"
#include "programs/health/frmHealthAstrologyDisplay.h"
#include "programs/health/health_colours.h"
#include "programs/health/health_program.h"
#include "programs/health/health_reading.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmHealthAstrologyMain::frmHealthAstrologyMain(ProgramHost &host)
    : InputWindow(host, HealthProgram())
{
    checkDetailsWith(&ValidateHealthDetails);
    openSavedWith(&OpenSavedReading);
    createMenuBar({openCommand(QStringLiteral("Open Previously Saved Health Reading"),
                               QStringLiteral("mnuOpenPreviouslySavedHealth")),
                   proceedCommand(QStringLiteral("mnuGetMyHealthReading"))},
                  UpdateCaption::UpdateMnemonic);
    setBodyBackground(Qt::black);

    auto *intro = new TextLabel(QStringLiteral(
        "Velmora welcomes you to take a journey into the health and medical astrology with the help of "
        "Orla Health Astrology Software. Know your probable health related issues and sicknesses, your "
        "recommended diet, your constitution type and more health related aspects from Orla Health "
        "Astrology. The program generates a comprehensive health report based on a person's personal "
        "details (Name and Date of Birth)."));
    intro->setObjectName(QStringLiteral("Label3"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(8.25, true));
    Paint(intro, QColor(0xFC, 0xE0, 0xF8));
    body()->addWidget(intro);

    auto *prompt = new TextLabel(QStringLiteral("Just input your name and date of birth and get a Reading Now!"));
    prompt->setObjectName(QStringLiteral("Label4"));
    prompt->setFont(StarboxFont(8.25, true));
    Paint(prompt, QColor(0xEF, 0x41, 0xDA));
    body()->addWidget(prompt);

    FaceButton *open = createOpenButton(QStringLiteral("Click Here To Open Previously Saved Health Reading"));
    open->setFont(StarboxFont(9, true));
    open->setMinimumSize(Twips(2400), Twips(1300));
    // A tall button: its caption wraps over several lines.
    open->setText(QStringLiteral("Click Here To Open\nPreviously Saved\nHealth Reading"));
    open->setAccessibleName(QStringLiteral("Click Here To Open Previously Saved Health Reading"));
    open->setFace(QColor(0xC0, 0xC0, 0xC0));

    askForOneName(OnlyLettersMessage());
    const DateLists &date = dateLists();
    for (QWidget *entry : {static_cast<QWidget *>(nameBox()), static_cast<QWidget *>(date.day),
                           static_cast<QWidget *>(date.month), static_cast<QWidget *>(date.year)}) {
        entry->setFont(StarboxFont(8.25, true));
        PaintEntry(entry, Qt::black, kHealthCream);
    }
    auto *details = new QWidget;
    CreateNameAndDateGrid(details, nameBox(), date, ListCaptions::Regular)->setContentsMargins(0, 0, 0, 0);
    Paint(details, kHealthPeach);

    auto *row = new QHBoxLayout;
    row->addWidget(open);
    row->addSpacing(8);
    row->addWidget(details, 1);
    body()->addLayout(row);

    FaceButton *next = createProceedButton();
    next->setFont(StarboxFont(9, true));
    next->setFace(kHealthCream);
    body()->addWidget(next);
    body()->addStretch(1);

    QPushButton *exit = createExitButton(QStringLiteral("&Exit"));
    exit->setFont(StarboxFont(8.25, true));
    addToBottomStrip(exit);

    setDesignedWidth(8055);
    remindAboutUpdate();
}

ProgramWindow *frmHealthAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmHealthAstrologyDisplay(host(), this);
    display->ShowHealthReading(BuildHealthReading(SunSignFor(person, kHealthCuspTable)),
                               WithNameTrimmed(person));
    return display;
}
