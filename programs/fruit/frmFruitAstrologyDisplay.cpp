// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fruit/frmFruitAstrologyDisplay.h"

#include "programs/fruit/fruit_program.h"
#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/pictures.h"
#include "programs/fruit/fruit_reading.h"
#include "programs/fruit/fruit_pictures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

const QSize kSmallPicture(90, 90);
const QSize kBigPicture(220, 220);

} // namespace

frmFruitAstrologyDisplay::frmFruitAstrologyDisplay(ProgramHost &host, ProgramWindow *input,
                                                   const Person &person)
    : ReadingDisplayWindow(host, FruitProgram(), input, {.backMenu = QStringLiteral("Back")})
    , m_chooser(person)
{
    // The two frames lie at one place; one is in front at a time.
    auto *place = new QWidget;
    m_frames = new QStackedLayout(place);
    m_frames->addWidget(createChoice());
    m_frames->addWidget(createResult());
    m_frames->setCurrentWidget(m_choose);
    body()->addWidget(place, 1);

    addCommandRow({Back});
}

QWidget *frmFruitAstrologyDisplay::createChoice()
{
    m_choose = new QWidget;
    m_choose->setObjectName(QStringLiteral("fraChoose"));
    auto *grid = new QGridLayout(m_choose);
    grid->setSpacing(14);
    for (int index = 0; index < kFruitCount; ++index) {
        auto *picture = new ClickableLabel(QString(), nullptr, ClickableLabel::Kind::Command);
        picture->setObjectName(QStringLiteral("picSmallFruit"));
        picture->setProperty("index", index);
        const QString name = RowText(RowAt(kFruitTable, index).name);
        picture->setToolTip(name);
        picture->setAccessibleName(name);
        FruitSmallPictures().show(picture, index + 1, kSmallPicture);
        connect(picture, &ClickableLabel::clicked, this, [this, index] { picSmallFruit_Click(index); });
        grid->addWidget(picture, index / 4, index % 4, Qt::AlignCenter);
        m_smallFruit[std::size_t(index)] = picture;
    }
    return m_choose;
}

QWidget *frmFruitAstrologyDisplay::createResult()
{
    m_result = new QGroupBox(QStringLiteral("Fruit Astrology Interpretation"));
    m_result->setObjectName(QStringLiteral("fraResult"));
    m_result->setFont(StarboxFont(8.25, true));
    m_bigFruit = new QLabel;
    m_bigFruit->setObjectName(QStringLiteral("picBigFruit"));
    m_bigFruit->setFixedSize(kBigPicture);
    QLabel *name = fills().add(ReadingValue(QStringLiteral("lblFruitName")), &FruitRow::name);
    name->setFont(StarboxFont(8.25, true, true));
    QLabel *description = fills().add(
        ReadingValue(QStringLiteral("lblFruitDesc"), QStringLiteral("Fruit Astrology Interpretation")),
        &FruitRow::interpretation);
    description->setFont(StarboxFont(8.25, true));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setMinimumWidth(Twips(5700)); // the longest interpretation fits beside the picture

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(description, 1);
    auto *row = new QHBoxLayout;
    row->addWidget(m_bigFruit, 0, Qt::AlignTop);
    row->addSpacing(10);
    row->addLayout(text, 1);
    auto *column = new QVBoxLayout(m_result);
    column->addLayout(row, 1);
    auto *back = button(QStringLiteral("&Back"), QStringLiteral("cmdResultBack"),
                        &frmFruitAstrologyDisplay::cmdResultBack_Click);
    column->addWidget(back, 0, Qt::AlignRight);
    return m_result;
}

void frmFruitAstrologyDisplay::picSmallFruit_Click(int index)
{
    showReading(FruitReadingOf(index), m_chooser);
}

void frmFruitAstrologyDisplay::filled()
{
    FruitBigPictures().show(m_bigFruit, reading().fruit + 1, kBigPicture);
    m_frames->setCurrentWidget(m_result);
}

void frmFruitAstrologyDisplay::cmdResultBack_Click()
{
    m_frames->setCurrentWidget(m_choose);
}
