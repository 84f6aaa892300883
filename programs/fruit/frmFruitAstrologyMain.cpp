// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/frmFruitAstrologyMain.h"

#include "frame/fonts.h"
#include "core/name_filter.h"
#include "frame/text_label.h"
#include "programs/fruit/frmFruitAstrologyDisplay.h"
#include "programs/fruit/fruit_program.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

frmFruitAstrologyMain::frmFruitAstrologyMain(ProgramHost &host)
    : InputWindow(host, FruitProgram())
{
    // The name as typed: only an empty box is refused.
    checkDetailsWith([](const Person &person) {
        return CheckName(person.name, {QStringLiteral("Please Enter Your Name"), MessageIcon::Information, false});
    });
    createMenuBar({proceedCommand(QStringLiteral("mnuNext"))}, UpdateCaption::CheckMnemonic);

    auto *intro = new TextLabel(QStringLiteral(
        "Orla Fruit Astrology tells you more about your personality based on your choice of fruit. "
        "Each fruit has it own personality that is reflected in the choice of the person. It tells "
        "you more about your inner and outer self."));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    body()->addWidget(intro);

    auto *details = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    details->setObjectName(QStringLiteral("fraName"));
    askForNameOnly(QStringLiteral("txtFirstName"), OnlyAlphabetMessage());
    auto *caption = new TextLabel(QStringLiteral("Name:-"));
    caption->setFont(StarboxFont(8.25, true));
    caption->setBuddy(nameBox());
    nameBox()->setAccessibleName(QStringLiteral("Name"));
    auto *row = new QHBoxLayout(details);
    row->addWidget(caption);
    row->addWidget(nameBox(), 1);
    body()->addWidget(details);

    addButtonRow({createProceedButton(), createExitButton(QStringLiteral("E&xit"))});
    body()->addStretch(1);
}

ProgramWindow *frmFruitAstrologyMain::readingFor(const Person &person)
{
    return new frmFruitAstrologyDisplay(host(), this, person);
}
