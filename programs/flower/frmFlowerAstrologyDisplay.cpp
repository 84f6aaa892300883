// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/frmFlowerAstrologyDisplay.h"

#include "programs/flower/flower_program.h"
#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "frame/program_host.h"
#include "frame/reading_widgets.h"
#include "programs/flower/flower_pictures.h"
#include "programs/flower/flower_colours.h"
#include "programs/flower/frmFlowerAstrologySave.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *Caption(const QString &text)
{
    QLabel *caption = ReadingCaption(text);
    caption->setFont(StarboxFont(8.25, true));
    caption->setAlignment(Qt::AlignCenter);
    return caption;
}

// A long text in dark red on periwinkle.
QLabel *Paragraph(const QString &name, const QString &caption, int heightTwips)
{
    QLabel *label = ReadingValue(name, caption);
    Paint(label, kFlowerDarkRed, kFlowerPeriwinkle);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(4);
    label->setMinimumHeight(Twips(heightTwips));
    return label;
}

// A periwinkle strip with a caption and its centred value under it.
QWidget *Strip(const QString &caption, QLabel *value)
{
    auto *strip = new QWidget;
    Paint(strip, Qt::black, kFlowerPeriwinkle);
    auto *column = new QVBoxLayout(strip);
    column->setContentsMargins(6, 3, 6, 3);
    column->setSpacing(1);
    column->addWidget(Caption(caption));
    column->addWidget(value);
    return strip;
}

} // namespace

frmFlowerAstrologyDisplay::frmFlowerAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, FlowerProgram(), input,
                    {.printMenu = QStringLiteral("Print"), .backMenuName = QStringLiteral("mnuFileBack"),
                     .update = UpdateCaption::CheckMnemonic})
{
    printsReport<frmFlowerAstrologySave>(this);

    QLabel *sign = fills().add(ReadingValue(QStringLiteral("lblSunSignYourSunSign"), QStringLiteral("Sun Sign")),
                               [](const FlowerReading &reading) { return SignName(reading.sign); });
    sign->setFont(StarboxFont(9.75, true));
    sign->setAlignment(Qt::AlignCenter);
    Paint(sign, QColor(0xFF, 0xFF, 0x00));
    QLabel *positive = fills().add(Paragraph(QStringLiteral("lblPositiveTraits"), QStringLiteral("Positive Traits"), 1935), &FlowerRow::positiveTraits);
    QLabel *negative = fills().add(Paragraph(QStringLiteral("lblNegativeTraits"), QStringLiteral("Negative Traits"), 1335), &FlowerRow::negativeTraits);
    QLabel *luckyFlower = fills().add(ReadingValue(QStringLiteral("lblLuckyFlower"), QStringLiteral("Lucky Flower")), &FlowerRow::luckyFlower);
    QLabel *luckyPlants = fills().add(ReadingValue(QStringLiteral("lblLuckyPlants"), QStringLiteral("Lucky Plants")), &FlowerRow::luckyPlants);
    for (QLabel *value : {luckyFlower, luckyPlants}) {
        value->setFont(StarboxFont(8.25, true));
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignCenter);
        Paint(value, kFlowerDarkRed);
    }
    QLabel *description = fills().add(Paragraph(QStringLiteral("lblFlowerPlantDesc"), {}, 1815),
                                      &FlowerRow::flowerPlantDescription);
    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picFlower"));
    m_picture->setFixedSize(Twips(2100), Twips(1560));

    auto *area = new QWidget;
    Paint(area, Qt::black, kFlowerPanel);
    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(2);
    column->addWidget(Strip(QStringLiteral("Sun Sign"), sign));
    column->addWidget(Caption(QStringLiteral("Positive Traits")));
    column->addWidget(positive);
    column->addWidget(Caption(QStringLiteral("Negative Traits")));
    column->addWidget(negative);
    auto *lucky = new QHBoxLayout;
    lucky->setSpacing(4);
    lucky->addWidget(Strip(QStringLiteral("Lucky Flower"), luckyFlower), 1);
    lucky->addWidget(Strip(QStringLiteral("Lucky Plants"), luckyPlants), 2);
    column->addLayout(lucky);
    auto *lower = new QHBoxLayout;
    lower->addWidget(description, 1);
    lower->addWidget(m_picture, 0, Qt::AlignTop);
    column->addLayout(lower);
    body()->addWidget(area, 1);

    auto *invitation = new ClickableLabel(QStringLiteral("Learn more about Flower Astrology at Velmora"));
    invitation->setObjectName(QStringLiteral("Label7"));
    invitation->setFont(StarboxFont(8.25, true));
    invitation->setMargin(4);
    Paint(invitation, QColor(0xFF, 0xFF, 0x00), QColor(0x80, 0x00, 0x00));
    connect(invitation, &ClickableLabel::clicked, this, [this] { this->host().openLink(WebLink::HomePage); });

    addCommandStrip({Print, Back, Exit}, 1140, kFlowerButtonFace, {invitation});
    setBottomStripColour(kFlowerPeriwinkle);
    setDesignedWidth(11265);
    setCompactBody();
}

void frmFlowerAstrologyDisplay::filled()
{
    FlowerPictures().show(m_picture, reading().row.pictureIndex, m_picture->size());
}
