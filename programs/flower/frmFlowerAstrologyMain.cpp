// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/frmFlowerAstrologyMain.h"

#include "programs/flower/flower_program.h"
#include "programs/flower/flat_list_style.h"
#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/text_label.h"
#include "programs/flower/flower_colours.h"
#include "programs/flower/flower_reading.h"
#include "programs/flower/frmFlowerAstrologyDisplay.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

frmFlowerAstrologyMain::frmFlowerAstrologyMain(ProgramHost &host)
    : InputWindow(host, FlowerProgram())
{
    checkDetailsWith([](const Person &person) {
        ValidationTexts texts;
        texts.name = {QStringLiteral("Please Enter  Your Name !"), MessageIcon::Information, false};
        return ValidateDetails(person, texts);
    });
    openSavedWith(&OpenSavedReading);
    createMenuBar({proceedCommand(QStringLiteral("mnuGetMyReport")),
                   openCommand(QStringLiteral("Open Previously Saved Flower Astrology Report"),
                               QStringLiteral("mnuOpen"))},
                  UpdateCaption::UpdateMnemonic);

    auto *panel = new QWidget;
    Paint(panel, Qt::black, kFlowerPanel);
    auto *panelLayout = new QVBoxLayout(panel);
    auto *intro = new TextLabel(QStringLiteral(
        "Orla Flower Astrology is an interesting and a user-friendly software which helps you find "
        "your lucky flower and plants based on your date of birth. The program generates a detailed "
        "reading for a person giving an insight into his personality based on his personal details "
        "(Name and Date of Birth)."));
    intro->setObjectName(QStringLiteral("Label3"));
    intro->setWordWrap(true);
    Paint(intro, kFlowerDarkRed);
    panelLayout->addWidget(intro);

    FaceButton *open = createOpenButton(QStringLiteral("Click Here To Open Previously Saved Flower Astrology Report"));
    open->setFont(StarboxFont(8.25, true));
    open->setMinimumSize(Twips(2700), Twips(1300));
    // A tall button: its caption wraps over several lines.
    open->setText(QStringLiteral("Click Here To Open\nPreviously Saved\nFlower Astrology Report"));
    open->setAccessibleName(QStringLiteral("Click Here To Open Previously Saved Flower Astrology Report"));
    open->setFace(kFlowerButtonFace);

    auto *details = new QGroupBox(QStringLiteral("Enter Your Personal Details"));
    details->setObjectName(QStringLiteral("Frame1"));
    Paint(details, kFlowerDarkRed);
    askForOneName(OnlyLettersMessage());
    const DateLists &date = dateLists();
    for (QWidget *entry : {static_cast<QWidget *>(nameBox()), static_cast<QWidget *>(date.day),
                           static_cast<QWidget *>(date.month), static_cast<QWidget *>(date.year)})
        PaintEntry(entry, kFlowerYellow, kFlowerPeriwinkle); // yellow on periwinkle
    // The lists in the same colours as the name box, not paler.
    for (QComboBox *list : {date.day, date.month, date.year})
        UseFlatFace(list);

    CreateNameAndDateGrid(details, nameBox(), date);

    auto *row = new QHBoxLayout;
    row->addWidget(open);
    row->addWidget(details, 1);
    panelLayout->addLayout(row);
    body()->addWidget(panel);

    FaceButton *proceed = createProceedButton();
    proceed->setFont(StarboxFont(9, true));
    proceed->setFace(kFlowerButtonFace);
    body()->addWidget(proceed);
    body()->addStretch(1);

    setDesignedWidth(7020);
    remindAboutUpdate();
}

ProgramWindow *frmFlowerAstrologyMain::readingFor(const Person &person)
{
    auto *display = new frmFlowerAstrologyDisplay(host(), this);
    display->showReading(BuildFlowerReading(SunSignFor(person, kFlowerCuspTable)),
                         WithNameTrimmed(person));
    return display;
}
