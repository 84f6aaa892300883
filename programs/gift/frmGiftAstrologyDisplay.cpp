// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/gift/frmGiftAstrologyDisplay.h"

#include "frame/reading_widgets.h"
#include "programs/gift/gift_program.h"
#include "programs/gift/gift_reading.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

frmGiftAstrologyDisplay::frmGiftAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ProfileDisplayWindow(host, input, GiftProgram(), TraitsLayout::SideBySide)
{
    addProgramTab(createGiftTab(), QStringLiteral("Gift Profile"));
}

QWidget *frmGiftAstrologyDisplay::createGiftTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    QLabel *ideasCaption = ReadingCaption(QStringLiteral("Gift Ideas"));
    ideasCaption->setAlignment(Qt::AlignCenter);
    column->addWidget(ideasCaption);
    column->addSpacing(6);
    for (std::size_t i = 0; i < std::tuple_size_v<GiftIdeas>; ++i) {
        QLabel *idea = fills().add(ReadingValue(QStringLiteral("lblGiftIdeas"), QStringLiteral("Gift Ideas")),
                                   [i](const GiftReading &reading) { return RowText(reading.giftIdeas[i]); });
        idea->setProperty("index", int(i));
        idea->setAlignment(Qt::AlignCenter);
        idea->setWordWrap(false);
        column->addWidget(idea);
    }
    column->addSpacing(16);
    column->addWidget(ReadingCaption(QStringLiteral("Gift Personality")));
    QLabel *personality = fills().add(ReadingValue(QStringLiteral("lblMoreAboutSunSign"), QStringLiteral("Gift Personality")), &GiftRow::giftPersonality);
    personality->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(personality, 1);
    return tab;
}

void frmGiftAstrologyDisplay::filled()
{
    showProfile(reading().sign, reading().row.profile, 1); // every reading opens on "Gift Profile"
}
