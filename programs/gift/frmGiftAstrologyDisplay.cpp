#include "programs/gift/frmGiftAstrologyDisplay.h"

#include "core/frame/reading_widgets.h"
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
    for (std::size_t i = 0; i < m_ideas.size(); ++i) {
        QLabel *idea = ReadingValue(QStringLiteral("lblGiftIdeas"));
        idea->setProperty("index", int(i));
        idea->setAlignment(Qt::AlignCenter);
        idea->setWordWrap(false);
        column->addWidget(idea);
        m_ideas[i] = idea;
    }
    column->addSpacing(16);
    column->addWidget(ReadingCaption(QStringLiteral("Gift Personality")));
    m_personality = ReadingValue(QStringLiteral("lblMoreAboutSunSign"));
    m_personality->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_personality, 1);
    return tab;
}

void frmGiftAstrologyDisplay::showReading(const GiftReading &reading)
{
    profileTab()->showProfile(reading.sign, reading.row.profile);
    for (std::size_t i = 0; i < m_ideas.size(); ++i)
        m_ideas[i]->setText(RowText(reading.giftIdeas[i]));
    m_personality->setText(RowText(reading.row.giftPersonality));
    tabs()->setCurrentIndex(1); // every reading opens on "Gift Profile"
}
