// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/frmTravelAstrologyDisplay.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/sign_pictures.h"
#include "programs/travel/frmTravelAstrologySave.h"
#include "programs/travel/travel_program.h"
#include "reports/report_document.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *Caption(const QString &text, int index)
{
    QLabel *caption = ReadingCaption(text);
    caption->setObjectName(QStringLiteral("lblCaption"));
    caption->setProperty("index", index);
    caption->setFont(StarboxFont(8.25, true));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return caption;
}

using Fills = ReadingFills<TravelReading>;

// A text of the row whose pairs are stored with "&&".
Fills::Text Paired(const char *TravelRow::*field)
{
    return [field](const TravelReading &reading) { return WithSingleAmpersands(RowText(reading.row.*field)); };
}

} // namespace

frmTravelAstrologyDisplay::frmTravelAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, TravelProgram(), input,
                    {.printMenu = QStringLiteral("&Print"), .separatorBeforeExit = true,
                     .exitButton = QStringLiteral("E&xit")})
{
    printsReport<frmTravelAstrologySave>(this);

    QTabWidget *tabs = addTabSheet(QStringLiteral("Tabs"),
                                   {{createSunSignFrame(), QStringLiteral("Sun Sign Traits")},
                                    {createTravelFrame(), QStringLiteral("Travel Traits")}},
                                   TabCaptions::Bold);
    tabs->setMinimumWidth(Twips(10200));

    addCommandRow({Back, Exit, Print});
}

QWidget *frmTravelAstrologyDisplay::createSunSignFrame()
{
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("fraSunSign"));

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picSunSign"));
    m_picture->setFixedSize(kSignPictureSize);
    QLabel *sign = fills().add(ReadingValue(QStringLiteral("lblSunSign"), QStringLiteral("Sun Sign")),
                               [](const TravelReading &reading) { return SignName(reading.sign); });
    sign->setFont(StarboxFont(14.25, true));
    sign->setWordWrap(false);
    sign->setAlignment(Qt::AlignRight | Qt::AlignTop);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(6);
    rows->addWidget(sign, 0, 0, 1, 2);
    const struct { const char16_t *caption; const char16_t *name; Fills::Text text; } shortRows[] = {
        {u"Element", u"lblElement", [](const TravelReading &reading) { return reading.element; }},
        {u"Ruling Planet", u"lblRulingPlanet", Fills::RowField(&TravelRow::rulingPlanet)},
        {u"Lucky Number", u"lblLuckyNumber", Paired(&TravelRow::luckyNumber)},
        {u"Lucky Color", u"lblLuckyColor", Fills::RowField(&TravelRow::luckyColor)},
        {u"Lucky Day", u"lblLuckyDay", Fills::RowField(&TravelRow::luckyDay)},
        {u"BirthStone", u"lblBirthStone", Fills::RowField(&TravelRow::birthStone)},
        {u"Quality", u"lblQuality", [](const TravelReading &reading) { return reading.quality; }},
        {u"Compatibility", u"lblCompatibility", Paired(&TravelRow::compatibility)},
    };
    int index = 0;
    for (const auto &row : shortRows) {
        QLabel *value = fills().add(ReadingValue(QString::fromUtf16(row.name), QString::fromUtf16(row.caption)), row.text);
        rows->addWidget(Caption(QString::fromUtf16(row.caption), index), index + 1, 0);
        rows->addWidget(value, index + 1, 1);
        ++index;
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(index + 1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(rows, 1);

    QLabel *famousPersons = fills().add(ReadingValue(QStringLiteral("lblFamousPersons"), QStringLiteral("Famous Personalities Born Under this Sign")), &TravelRow::famousPersons);
    ReadingBox *positive = fills().add(ReadingTextBox(QStringLiteral("txtPositiveTraits"), QStringLiteral("Positive Traits")),
                                       &TravelRow::positiveTraits);
    ReadingBox *negative = fills().add(ReadingTextBox(QStringLiteral("txtNegativeTraits"), QStringLiteral("Negative Traits")),
                                       &TravelRow::negativeTraits);
    for (ReadingBox *box : {positive, negative})
        box->setMinimumHeight(box->fontMetrics().lineSpacing() * 4 + 12);

    auto *lower = new QGridLayout;
    lower->addWidget(Caption(QStringLiteral("Famous Personalities Born Under this Sign"), index), 0, 0, 1, 2);
    lower->addWidget(famousPersons, 1, 0, 1, 2);
    lower->addWidget(Caption(QStringLiteral("Positive Traits"), index + 1), 2, 0);
    lower->addWidget(Caption(QStringLiteral("Negative Traits"), index + 2), 2, 1);
    lower->addWidget(positive, 3, 0);
    lower->addWidget(negative, 3, 1);

    auto *column = new QVBoxLayout(frame);
    column->addLayout(top);
    column->addLayout(lower, 1);
    return frame;
}

QWidget *frmTravelAstrologyDisplay::createTravelFrame()
{
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("fraTravel"));
    auto *column = new QVBoxLayout(frame);
    column->addWidget(ReadingCaption(QStringLiteral("Kind of Travel")));
    column->addWidget(fills().add(ReadingValue(QStringLiteral("lblTravelKind"), QStringLiteral("Kind of Travel")), &TravelRow::travelKind));
    column->addSpacing(12);
    column->addWidget(ReadingCaption(QStringLiteral("Travel Profile")));
    QLabel *profile = fills().add(ReadingValue(QStringLiteral("lblTravelProfile"), QStringLiteral("Travel Profile")), &TravelRow::travelProfile);
    profile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(profile, 1);
    return frame;
}

void frmTravelAstrologyDisplay::filled()
{
    SunSignPictures().show(m_picture, SignIndex(reading().sign) + 1, kSignPictureSize);
}
