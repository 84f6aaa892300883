// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/powersign/frmZodiacPowerSignMain.h"

#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/pictures.h"
#include "frame/text_label.h"
#include "programs/powersign/frmZodiacPowerSignDisplay.h"
#include "programs/powersign/powersign_program.h"
#include "programs/powersign/powersign_reading.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

frmZodiacPowerSignMain::frmZodiacPowerSignMain(ProgramHost &host)
    : InputWindow(host, PowerSignProgram())
{
    checkDetailsWith([](const Person &person) {
        return ValidatePowerSignDetails(person.name, person.day, MonthIndex(person.month), person.year);
    });
    createMenuBar({proceedCommand(QStringLiteral("mnuFindPowerSign"))}, UpdateCaption::UpdateMnemonic);

    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    ShowSvg(picture, QStringLiteral(":/pluto.svg"), QSize(120, 120), QStringLiteral("The planet Pluto"));
    auto *intro = new TextLabel(RowText(kPowerSignIntroduction));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9, true));
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(intro, 1);
    body()->addLayout(top);

    askForOneName(OnlyLettersMessage(), kPowerSignLastYear);
    auto *details = new QWidget;
    QGridLayout *grid = CreateNameAndDateGrid(details, nameBox(), dateLists());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(2, 1);
    body()->addWidget(details);

    addButtonRow({createProceedButton(), createExitButton(QStringLiteral("&Exit"))});
    body()->addStretch(1);
}

ProgramWindow *frmZodiacPowerSignMain::readingFor(const Person &person)
{
    const std::optional<SunSign> sign = FindPowerSign(person.day, person.month, person.year);
    if (!sign)
        return nullptr; // the lists offer only dates the table holds
    auto *display = new frmZodiacPowerSignDisplay(host(), this);
    display->showReading(SignReadingFrom(kPowerSignTable, *sign), person);
    return display;
}
