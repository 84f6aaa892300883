// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/gift/frmGiftAstrologyMain.h"

#include "programs/gift/frmGiftAstrologyDisplay.h"
#include "programs/gift/gift_program.h"
#include "programs/gift/gift_reading.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

frmGiftAstrologyMain::frmGiftAstrologyMain(ProgramHost &host)
    : ProfileInputWindow(host, GiftProgram(),
                         QStringLiteral("Are you worrying about what you would like to gift your "
                                        "partner or friend? Here is the solution. Let Orla Gift "
                                        "Astrology help you find the best astrology based gifts."))
{
    auto *gender = new QGroupBox(QStringLiteral("Enter Gender"));
    gender->setObjectName(QStringLiteral("Frame3"));
    auto *male = new QRadioButton(QStringLiteral("Male"));
    male->setObjectName(QStringLiteral("optMale"));
    m_female = new QRadioButton(QStringLiteral("Female"));
    m_female->setObjectName(QStringLiteral("optFemale"));
    male->setChecked(true);
    auto *row = new QHBoxLayout(gender);
    row->addWidget(male);
    row->addWidget(m_female);
    addToDetailsRow(gender);
}

ProgramWindow *frmGiftAstrologyMain::readingFor(const Person &person)
{
    const Gender gender = m_female->isChecked() ? Gender::Female : Gender::Male;
    auto *display = new frmGiftAstrologyDisplay(host(), this);
    display->showReading(BuildGiftReading(SunSignFor(person, kGiftCuspTable), gender), person);
    return display;
}
