#include "programs/travel/frmTravelAstrologyDisplay.h"

#include "core/frame/fonts.h"
#include "core/frame/reading_widgets.h"
#include "core/frame/sign_pictures.h"
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

} // namespace

frmTravelAstrologyDisplay::frmTravelAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : DisplayWindow(host, TravelProgram(), input,
                    {.printMenu = QStringLiteral("&Print"), .separatorBeforeExit = true,
                     .exitButton = QStringLiteral("E&xit")})
{
    printsReport<frmTravelAstrologySave>(this);

    QTabWidget *tabs = addTabSheet(QStringLiteral("Tabs"),
                                   {{createSunSignFrame(), QStringLiteral("Sun Sign Traits")},
                                    {createTravelFrame(), QStringLiteral("Travel Traits")}},
                                   TabCaptions::Bold);
    tabs->setMinimumWidth(680);

    addCommandRow({Back, Exit, Print});
}

QWidget *frmTravelAstrologyDisplay::createSunSignFrame()
{
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("fraSunSign"));

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picSunSign"));
    m_picture->setFixedSize(kSignPictureSize);
    m_sign = ReadingValue(QStringLiteral("lblSunSign"));
    m_sign->setFont(StarboxFont(14.25, true));
    m_sign->setWordWrap(false);
    m_sign->setAlignment(Qt::AlignRight | Qt::AlignTop);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(6);
    rows->addWidget(m_sign, 0, 0, 1, 2);
    const struct { const char16_t *caption; const char16_t *name; QLabel **value; } shortRows[] = {
        {u"Element", u"lblElement", &m_element},
        {u"Ruling Planet", u"lblRulingPlanet", &m_rulingPlanet},
        {u"Lucky Number", u"lblLuckyNumber", &m_luckyNumber},
        {u"Lucky Color", u"lblLuckyColor", &m_luckyColor},
        {u"Lucky Day", u"lblLuckyDay", &m_luckyDay},
        {u"BirthStone", u"lblBirthStone", &m_birthStone},
        {u"Quality", u"lblQuality", &m_quality},
        {u"Compatibility", u"lblCompatibility", &m_compatibility},
    };
    int index = 0;
    for (const auto &row : shortRows) {
        *row.value = ReadingValue(QString::fromUtf16(row.name));
        rows->addWidget(Caption(QString::fromUtf16(row.caption), index), index + 1, 0);
        rows->addWidget(*row.value, index + 1, 1);
        ++index;
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(index + 1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(rows, 1);

    m_famousPersons = ReadingValue(QStringLiteral("lblFamousPersons"));
    m_positive = ReadingTextBox(QStringLiteral("txtPositiveTraits"), QStringLiteral("Positive Traits"));
    m_negative = ReadingTextBox(QStringLiteral("txtNegativeTraits"), QStringLiteral("Negative Traits"));
    for (ReadingBox *box : {m_positive, m_negative})
        box->setMinimumHeight(box->fontMetrics().lineSpacing() * 4 + 12);

    auto *lower = new QGridLayout;
    lower->addWidget(Caption(QStringLiteral("Famous Personalities Born Under this Sign"), index), 0, 0, 1, 2);
    lower->addWidget(m_famousPersons, 1, 0, 1, 2);
    lower->addWidget(Caption(QStringLiteral("Positive Traits"), index + 1), 2, 0);
    lower->addWidget(Caption(QStringLiteral("Negative Traits"), index + 2), 2, 1);
    lower->addWidget(m_positive, 3, 0);
    lower->addWidget(m_negative, 3, 1);

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
    m_travelKind = ReadingValue(QStringLiteral("lblTravelKind"));
    column->addWidget(m_travelKind);
    column->addSpacing(12);
    column->addWidget(ReadingCaption(QStringLiteral("Travel Profile")));
    m_travelProfile = ReadingValue(QStringLiteral("lblTravelProfile"));
    m_travelProfile->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_travelProfile, 1);
    return frame;
}

void frmTravelAstrologyDisplay::ShowTravelReading(const TravelReading &reading)
{
    m_reading = reading;
    m_element->setText(reading.element);
    m_rulingPlanet->setText(RowText(reading.row.rulingPlanet));
    m_luckyNumber->setText(WithSingleAmpersands(RowText(reading.row.luckyNumber)));
    m_luckyColor->setText(RowText(reading.row.luckyColor));
    m_luckyDay->setText(RowText(reading.row.luckyDay));
    m_birthStone->setText(RowText(reading.row.birthStone));
    m_quality->setText(reading.quality);
    m_compatibility->setText(WithSingleAmpersands(RowText(reading.row.compatibility)));
    m_famousPersons->setText(RowText(reading.row.famousPersons));
    m_positive->setText(RowText(reading.row.positiveTraits));
    m_negative->setText(RowText(reading.row.negativeTraits));
    m_travelKind->setText(RowText(reading.row.travelKind));
    m_travelProfile->setText(RowText(reading.row.travelProfile));
    m_sign->setText(SignName(reading.sign));
    SunSignPictures().show(m_picture, SignIndex(reading.sign) + 1, kSignPictureSize);
}
