#include "programs/financial/frmFinancialAstrologyDisplay.h"

#include "core/frame/fonts.h"
#include "core/frame/reading_widgets.h"
#include "core/frame/sign_pictures.h"
#include "core/frame/solid_frame.h"
#include "core/frame/text_label.h"
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
    : DisplayWindow(host, FinancialProgram(), input,
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
    m_tabs->setMinimumWidth(680);

    addCommandRow({Back, Exit, Print});
}

QWidget *frmFinancialAstrologyDisplay::createSignFrame()
{
    auto *frame = new SolidFrame(Qt::black);
    frame->setObjectName(QStringLiteral("fraStarUserSignDetails"));

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picSign"));
    m_picture->setFixedSize(kSignPictureSize);
    m_sign = ReadingValue(QStringLiteral("lblStarSign"));
    m_sign->setFont(StarboxFont(14.25, true));
    m_sign->setWordWrap(false);
    m_sign->setAlignment(Qt::AlignCenter);
    Paint(m_sign, QColor(0x80, 0x80, 0xFF));

    auto *signColumn = new QVBoxLayout;
    signColumn->addWidget(m_picture);
    signColumn->addWidget(m_sign);
    signColumn->addStretch(1);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(4);
    const struct { const char16_t *caption; const char16_t *name; QLineEdit **box; } shortRows[] = {
        {u"Element", u"txtElement", &m_element},
        {u"Ruling Planet", u"txtRulingPlanet", &m_rulingPlanet},
        {u"Lucky Number", u"txtLuckyNumber", &m_luckyNumber},
        {u"Lucky Color", u"txtLuckyColor", &m_luckyColor},
        {u"Lucky Day", u"txtLuckyDay", &m_luckyDay},
        {u"Compatibility", u"txtCompatibility", &m_compatibility},
        {u"BirthStone", u"txtBirthStone", &m_birthStone},
        {u"Quality", u"txtQuality", &m_quality},
    };
    int row = 0;
    for (const auto &entry : shortRows) {
        *entry.box = ShortBox(QString::fromUtf16(entry.name));
        QLabel *caption = Caption(QString::fromUtf16(entry.caption));
        caption->setBuddy(*entry.box);
        // In its frame the box is no sibling of its caption, where a screen
        // reader would look for it: it carries the caption as its name.
        (*entry.box)->setAccessibleName(caption->text());
        rows->addWidget(caption, row, 0);
        rows->addWidget(BoxFrame(*entry.box), row, 1);
        ++row;
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(row, 1);

    auto *top = new QHBoxLayout;
    top->addLayout(signColumn);
    top->addSpacing(16);
    top->addLayout(rows, 1);

    m_famousPersons = LongBox(QStringLiteral("txtFamousPersons"), 2, QStringLiteral("Famous Personalities Born Under this Sign"));
    m_positive = LongBox(QStringLiteral("txtPositiveTraits"), 4, QStringLiteral("Positive Traits"));
    m_negative = LongBox(QStringLiteral("txtNegativeTraits"), 4, QStringLiteral("Negative Traits"));

    auto *lower = new QGridLayout;
    lower->addWidget(Caption(QStringLiteral("Famous Personalities Born Under this Sign")), 0, 0, 1, 2);
    lower->addWidget(m_famousPersons, 1, 0, 1, 2);
    lower->addWidget(Caption(QStringLiteral("Positive Traits")), 2, 0);
    lower->addWidget(Caption(QStringLiteral("Negative Traits")), 2, 1);
    lower->addWidget(m_positive, 3, 0);
    lower->addWidget(m_negative, 3, 1);
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
    m_profile = LongBox(QStringLiteral("txtFinancialProfile"), 5, QStringLiteral("Financial Profile"));
    column->addWidget(m_profile, 1);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(3);
    rows->setHorizontalSpacing(16);
    for (int k = 0; k < kFinancialAttributeCount; ++k) {
        QLabel *name = Caption(FinancialAttributeName(k));
        name->setObjectName(QStringLiteral("lblLabel"));
        name->setProperty("index", k);
        QLabel *verdict = ReadingValue(QStringLiteral("lblFinancialProfileAttributes"));
        verdict->setProperty("index", k);
        verdict->setFont(StarboxFont(8.25));
        Paint(verdict, kValueColour);
        m_verdicts[std::size_t(k)] = verdict;
        rows->addWidget(name, k, 0, Qt::AlignLeft | Qt::AlignTop);
        rows->addWidget(verdict, k, 1);
    }
    rows->setColumnStretch(1, 1);
    column->addLayout(rows);
    return frame;
}

void frmFinancialAstrologyDisplay::ShowFinancialReading(const FinancialReading &reading)
{
    m_reading = reading;
    m_sign->setText(reading.sign);
    const FinancialRow &row = reading.row;
    const std::pair<QLineEdit *, const char *> shortValues[] = {
        {m_element, row.element},       {m_rulingPlanet, row.rulingPlanet},
        {m_luckyNumber, row.luckyNumber}, {m_luckyColor, row.luckyColor},
        {m_luckyDay, row.luckyDay},     {m_compatibility, row.compatibility},
        {m_birthStone, row.birthStone}, {m_quality, row.quality}};
    for (const auto &[box, text] : shortValues) {
        box->setText(RowText(text));
        box->setCursorPosition(0);
    }
    m_famousPersons->setText(RowText(reading.row.famousPersons));
    m_positive->setText(RowText(reading.row.positiveTraits));
    m_negative->setText(RowText(reading.row.negativeTraits));
    m_profile->setText(RowText(reading.row.financialProfile));
    for (int k = 0; k < kFinancialAttributeCount; ++k)
        m_verdicts[std::size_t(k)]->setText(reading.verdicts[std::size_t(k)]);
    // A name that is no sign clears the picture.
    SunSignPictures().show(m_picture, SignIndexOf(reading.sign) + 1, kSignPictureSize);
    m_tabs->setCurrentIndex(0);
}
