// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/frmFinancialAstrologyDisplay.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/sign_pictures.h"
#include "frame/solid_frame.h"
#include "frame/text_label.h"
#include "programs/financial/financial_program.h"
#include "programs/financial/frmFinancialAstrologySave.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QColor kCaptionColour(0x00, 0xFF, 0xFF);
const QColor kValueColour(0xFF, 0x80, 0xFF);

QLabel *Caption(const QString &text)
{
    auto *caption = new TextLabel(text);
    caption->setFont(StarboxFont(8.25, true));
    Paint(caption, kCaptionColour);
    return caption;
}

// Boxes show their text in pink on black.
template <typename Box>
Box *Painted(Box *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::black);
    SetTextColour(palette, QPalette::Text, kValueColour);
    box->setPalette(palette);
    return box;
}

QLineEdit *ShortBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    // Framed by its holder (BoxFrame): a line edit's own frame in colours
    // of its own is drawn afresh by the style in every window.
    box->setFrame(false);
    return Painted(box);
}

// A thin grey rule around a short box.
QFrame *BoxFrame(QWidget *box)
{
    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    Paint(frame, QColor(0x80, 0x80, 0x80));
    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(box);
    return frame;
}

ReadingBox *LongBox(const QString &name, int lines, const QString &caption)
{
    ReadingBox *box = Painted(ReadingTextBox(name, caption));
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

} // namespace

frmFinancialAstrologyDisplay::frmFinancialAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, FinancialProgram(), input,
                    {.printMenu = QStringLiteral("&Print"), .separatorBeforeExit = true,
                     .exitButton = QStringLiteral("E&xit")})
{
    printsReport<frmFinancialAstrologySave>(this);
    setBodyBackground(Qt::black);

    // Each tab holds its frame; selecting a tab brings its frame to the front.
    m_tabs = addTabSheet(QStringLiteral("TS"),
                         {{createSignFrame(), QStringLiteral("Sun Sign Profile")},
                          {createFinancialFrame(), QStringLiteral("Financial Profile")}},
                         TabCaptions::Bold);
    m_tabs->setMinimumWidth(Twips(10200));

    addCommandRow({Back, Exit, Print});
}

QWidget *frmFinancialAstrologyDisplay::createSignFrame()
{
    auto *frame = new SolidFrame(Qt::black);
    frame->setObjectName(QStringLiteral("fraStarUserSignDetails"));

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picSign"));
    m_picture->setFixedSize(kSignPictureSize);
    QLabel *sign = fills().add(ReadingValue(QStringLiteral("lblStarSign"), QStringLiteral("Sun Sign")),
                               [](const FinancialReading &reading) { return reading.sign; });
    sign->setFont(StarboxFont(14.25, true));
    sign->setWordWrap(false);
    sign->setAlignment(Qt::AlignCenter);
    Paint(sign, QColor(0x80, 0x80, 0xFF));

    auto *signColumn = new QVBoxLayout;
    signColumn->addWidget(m_picture);
    signColumn->addWidget(sign);
    signColumn->addStretch(1);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(4);
    using Fills = ReadingFills<FinancialReading>;
    const auto profile = [](const char *SignProfile::*field) { return Fills::PartField(&FinancialRow::profile, field); };
    const struct { const char16_t *caption; const char16_t *name; Fills::Text text; } shortRows[] = {
        {u"Element", u"txtElement", profile(&SignProfile::element)},
        {u"Ruling Planet", u"txtRulingPlanet", Fills::RowField(&FinancialRow::rulingPlanet)},
        {u"Lucky Number", u"txtLuckyNumber", profile(&SignProfile::luckyNumber)},
        {u"Lucky Color", u"txtLuckyColor", Fills::RowField(&FinancialRow::luckyColor)},
        {u"Lucky Day", u"txtLuckyDay", profile(&SignProfile::luckyDay)},
        {u"Compatibility", u"txtCompatibility", profile(&SignProfile::compatibility)},
        {u"BirthStone", u"txtBirthStone", profile(&SignProfile::birthstone)},
        {u"Quality", u"txtQuality", Fills::RowField(&FinancialRow::quality)},
    };
    int row = 0;
    for (const auto &entry : shortRows) {
        QLineEdit *box = fills().add(ShortBox(QString::fromUtf16(entry.name)), entry.text);
        QLabel *caption = Caption(QString::fromUtf16(entry.caption));
        caption->setBuddy(box);
        // In its frame the box is no sibling of its caption, where a screen
        // reader would look for it: it carries the caption as its name.
        box->setAccessibleName(caption->text());
        rows->addWidget(caption, row, 0);
        rows->addWidget(BoxFrame(box), row, 1);
        ++row;
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(row, 1);

    auto *top = new QHBoxLayout;
    top->addLayout(signColumn);
    top->addSpacing(16);
    top->addLayout(rows, 1);

    ReadingBox *famousPersons = fills().add(
        LongBox(QStringLiteral("txtFamousPersons"), 2, QStringLiteral("Famous Personalities Born Under this Sign")),
        &FinancialRow::famousPersons);
    ReadingBox *positive = fills().add(LongBox(QStringLiteral("txtPositiveTraits"), 4, QStringLiteral("Positive Traits")),
                                       &FinancialRow::profile, &SignProfile::positiveTraits);
    ReadingBox *negative = fills().add(LongBox(QStringLiteral("txtNegativeTraits"), 4, QStringLiteral("Negative Traits")),
                                       &FinancialRow::profile, &SignProfile::negativeTraits);

    auto *lower = new QGridLayout;
    lower->addWidget(Caption(QStringLiteral("Famous Personalities Born Under this Sign")), 0, 0, 1, 2);
    lower->addWidget(famousPersons, 1, 0, 1, 2);
    lower->addWidget(Caption(QStringLiteral("Positive Traits")), 2, 0);
    lower->addWidget(Caption(QStringLiteral("Negative Traits")), 2, 1);
    lower->addWidget(positive, 3, 0);
    lower->addWidget(negative, 3, 1);
    lower->setRowStretch(3, 1);

    auto *column = new QVBoxLayout(frame);
    column->addLayout(top);
    column->addLayout(lower, 1);
    return frame;
}

QWidget *frmFinancialAstrologyDisplay::createFinancialFrame()
{
    auto *frame = new SolidFrame(Qt::black);
    frame->setObjectName(QStringLiteral("fraFinancialAstrology"));
    auto *column = new QVBoxLayout(frame);
    column->addWidget(fills().add(LongBox(QStringLiteral("txtFinancialProfile"), 5, QStringLiteral("Financial Profile")),
                                  &FinancialRow::financialProfile),
                      1);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(3);
    rows->setHorizontalSpacing(16);
    for (int k = 0; k < kFinancialAttributeCount; ++k) {
        QLabel *name = Caption(FinancialAttributeName(k));
        name->setObjectName(QStringLiteral("lblLabel"));
        name->setProperty("index", k);
        QLabel *verdict = fills().add(ReadingValue(QStringLiteral("lblFinancialProfileAttributes"), name->text()),
                                      [k](const FinancialReading &reading) { return reading.verdicts[std::size_t(k)]; });
        verdict->setProperty("index", k);
        verdict->setFont(StarboxFont(8.25));
        Paint(verdict, kValueColour);
        rows->addWidget(name, k, 0, Qt::AlignLeft | Qt::AlignTop);
        rows->addWidget(verdict, k, 1);
    }
    rows->setColumnStretch(1, 1);
    column->addLayout(rows);
    return frame;
}

void frmFinancialAstrologyDisplay::filled()
{
    // A name that is no sign clears the picture.
    SunSignPictures().show(m_picture, SignIndexOf(reading().sign) + 1, kSignPictureSize);
    m_tabs->setCurrentIndex(0);
}
