// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/frmHealthAstrologyDisplay.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/solid_frame.h"
#include "frame/text_label.h"
#include "programs/health/frmHealthAstrologySave.h"
#include "programs/health/health_colours.h"
#include "programs/health/health_program.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *Heading(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *heading = new TextLabel(text);
    heading->setFont(StarboxFont(8.25, true));
    heading->setAlignment(alignment | Qt::AlignVCenter);
    Paint(heading, kHealthPeach);
    return heading;
}

// A heading over the control it names.
QVBoxLayout *Captioned(QLabel *heading, QWidget *control)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(heading);
    column->addWidget(control);
    control->setAccessibleName(heading->text());
    return column;
}

QString ConstitutionType(const HealthReading &reading)
{
    return RowText(reading.constitution.type);
}

} // namespace

frmHealthAstrologyDisplay::frmHealthAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, HealthProgram(), input,
                    {.printMenu = QStringLiteral("&Print"), .backMenuName = QStringLiteral("mnuFileBack"),
                     .update = UpdateCaption::CheckMnemonic})
{
    printsReport<frmHealthAstrologySave>(this);

    m_tabs = addTabSheet(QStringLiteral("ssTab"),
                         {{createDietTab(), QStringLiteral("Sun Sign and Diet")},
                          {createFitnessTab(), QStringLiteral("Sun Sign and Fitness")}},
                         TabCaptions::Bold);
    m_tabs->setMinimumWidth(Twips(11535) - 8);
    setDesignedWidth(11535);
    setCompactBody();

    addCommandStrip({Print, Back, Exit}, 1020, kHealthCream);
    m_tabs->setCurrentIndex(1);
}

QLabel *frmHealthAstrologyDisplay::value(const QString &objectName, const QColor &colour, qreal pointSize)
{
    QLabel *label = ReadingValue(objectName);
    label->setFont(StarboxFont(pointSize, true));
    Paint(label, colour);
    return label;
}

ReadingBox *frmHealthAstrologyDisplay::textBox(const QString &objectName, int widthTwips, int heightTwips)
{
    ReadingBox *box = ReadingTextBox(objectName);
    PaintEntry(box, Qt::black, kHealthCream);
    box->setMinimumSize(Twips(widthTwips) / 2, Twips(heightTwips));
    box->setMaximumHeight(Twips(heightTwips) + 20);
    return box;
}

QLabel *frmHealthAstrologyDisplay::list(const QString &objectName)
{
    QLabel *label = ReadingValue(objectName);
    label->setFont(StarboxFont(8.25));
    label->setMargin(2);
    label->setMinimumWidth(Twips(3255) * 3 / 4);
    Paint(label, Qt::black, kHealthCream);
    return label;
}

QWidget *frmHealthAstrologyDisplay::createDietTab()
{
    auto *tab = new SolidFrame(Qt::black);
    tab->setObjectName(QStringLiteral("fraDiet"));
    auto *column = new QVBoxLayout(tab);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(6);

    QLabel *sign = fills().add(value(QStringLiteral("lblSunSignYourSunSign"), QColor(0xFF, 0xFF, 0x00), 9.75),
                         [](const HealthReading &r) { return SignName(r.sign); });
    QLabel *bodyPart = fills().add(value(QStringLiteral("lblBodyPartBySunSign"), kHealthOrange),
                             [](const HealthReading &r) { return RowText(r.row.bodyPart); });
    for (QLabel *label : {sign, bodyPart})
        label->setAlignment(Qt::AlignCenter);
    auto *top = new QHBoxLayout;
    top->addLayout(Captioned(Heading(QStringLiteral("Your Sun Sign"), Qt::AlignHCenter), sign), 1);
    top->addLayout(Captioned(Heading(QStringLiteral("Body Part Ruled By Sun Sign"), Qt::AlignHCenter), bodyPart), 1);
    column->addLayout(top);

    auto *diet = new QHBoxLayout;
    const struct { const char16_t *heading; const char16_t *name; const char *HealthSignRow::*text; } boxes[] = {
        {u"Health Problems", u"txtHealthProblems", &HealthSignRow::healthProblems},
        {u"Required Diet", u"txtRequiredDiet", &HealthSignRow::requiredDiet},
        {u"Diet to Avoid", u"txtDiettoAvoid", &HealthSignRow::dietToAvoid},
        {u"Diet Advice", u"txtDietAdvice", &HealthSignRow::dietAdvice}};
    for (const auto &b : boxes) {
        ReadingBox *box = fills().add(textBox(QString::fromUtf16(b.name), 2775, 1215),
                                [text = b.text](const HealthReading &r) { return RowText(r.row.*text); });
        diet->addLayout(Captioned(Heading(QString::fromUtf16(b.heading)), box), 1);
    }
    column->addLayout(diet);

    auto *type = new QHBoxLayout;
    type->addStretch(1);
    type->addWidget(Heading(QStringLiteral("Constitution Type")));
    QLabel *constitution = fills().add(value(QStringLiteral("lblConstitutionType"), kHealthOrange), ConstitutionType);
    constitution->setAccessibleName(QStringLiteral("Constitution Type"));
    type->addWidget(constitution);
    type->addStretch(1);
    column->addLayout(type);
    QLabel *description = fills().add(ReadingValue(QStringLiteral("lblConstitutionTypeDesc")), [](const HealthReading &r) {
        return RowText(r.constitution.constitutionDescription);
    });
    description->setFont(StarboxFont(8.25));
    Paint(description, kHealthCream);
    column->addWidget(description);

    auto *panels = new QHBoxLayout;
    panels->addWidget(createConstitutionPanel(QStringLiteral("Excess")), 1);
    panels->addWidget(createConstitutionPanel(QStringLiteral("Low")), 1);
    column->addLayout(panels);
    column->addStretch(1);
    return tab;
}

// The excess or the low panel: its title ("Excess" or "Low") with the type, the description on
// the left, the three lists on the right.
QWidget *frmHealthAstrologyDisplay::createConstitutionPanel(const QString &kind)
{
    auto *panel = new QGroupBox;
    panel->setObjectName(QStringLiteral("fra") + kind);
    Paint(panel, kHealthPeach);

    auto *titleRow = new QHBoxLayout;
    QLabel *titleLabel = Heading(kind);
    Paint(titleLabel, kHealthOrange);
    titleRow->addWidget(titleLabel);
    QLabel *constitution = fills().add(value(QStringLiteral("lblConstitutionType") + kind, kHealthOrange), ConstitutionType);
    constitution->setAccessibleName(kind);
    titleRow->addWidget(constitution);
    titleRow->addStretch(1);

    auto *lists = new QVBoxLayout;
    lists->setSpacing(2);
    const bool excess = kind == QLatin1String("Excess");
    const QString item = excess ? QStringLiteral("lblExcess") : QStringLiteral("lblLow");
    using Text = const char *ConstitutionRow::*;
    const auto fromRow = [](Text text) { return [text](const HealthReading &r) { return RowText(r.constitution.*text); }; };
    const struct { const char16_t *heading, *name; Text text; } rows[] = {
        {u"Items to be taken", u"ItemToBeTaken", excess ? &ConstitutionRow::excessItemsToTake : &ConstitutionRow::lowItemsToTake},
        {u"Items to Avoid", u"ItemToAvoid", excess ? &ConstitutionRow::excessItemsToAvoid : &ConstitutionRow::lowItemsToAvoid},
        {u"Remedy", u"Remedy", excess ? &ConstitutionRow::excessRemedy : &ConstitutionRow::lowRemedy}};
    for (const auto &row : rows)
        lists->addLayout(Captioned(Heading(QString::fromUtf16(row.heading)),
                                   fills().add(list(item + QString::fromUtf16(row.name)), fromRow(row.text))));
    lists->addStretch(1);

    auto *content = new QHBoxLayout;
    ReadingBox *description = fills().add(textBox(QStringLiteral("txtConstitutionType") + kind + QStringLiteral("Desc"), 2055, 2415),
                                    fromRow(excess ? &ConstitutionRow::excessDescription : &ConstitutionRow::lowDescription));
    description->setAccessibleName(kind);
    content->addWidget(description, 2);
    content->addLayout(lists, 3);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(6, 4, 6, 6);
    column->addLayout(titleRow);
    column->addLayout(content, 1);
    return panel;
}

QWidget *frmHealthAstrologyDisplay::createFitnessTab()
{
    auto *tab = new SolidFrame(Qt::black);
    tab->setObjectName(QStringLiteral("fraFitness"));

    const auto captionBox = [](const QString &text) {
        auto *box = new QGroupBox;
        Paint(box, kHealthPeach);
        auto *layout = new QVBoxLayout(box);
        QLabel *caption = Heading(text, Qt::AlignHCenter);
        caption->setWordWrap(true);
        layout->addWidget(caption);
        box->setFixedWidth(Twips(1800));
        return box;
    };

    auto *characteristics = new QGroupBox;
    characteristics->setObjectName(QStringLiteral("fraCharacteristics"));
    auto *grid = new QGridLayout(characteristics);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    // The label of each characteristic, in the order of Fitness: three a row.
    const std::array<const char16_t *, kFitnessCount> names{u"lblAthletic", u"lblMotivated", u"lblEndurance",
                                                            u"lblFlexibility", u"lblRoutine", u"lblTeamWork",
                                                            u"lblFocus", u"lblvariety"};
    for (int i = 0; i < int(kFitnessCount); ++i) {
        QLabel *characteristic = fills().add(value(QString::fromUtf16(names[std::size_t(i)]), kHealthOrange),
                                             &HealthSignRow::fitness, Fitness(i));
        characteristic->setAccessibleName(QStringLiteral("Fitness Characteristics"));
        grid->addWidget(characteristic, i / 3, i % 3);
    }

    auto *layout = new QGridLayout(tab);
    layout->setContentsMargins(8, 10, 8, 10);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(14);
    // Rows 1 and 2 hold the content, centred between two stretches.
    layout->addWidget(captionBox(QStringLiteral("Fitness Characteristics")), 1, 0);
    layout->addWidget(characteristics, 1, 1);
    layout->addWidget(captionBox(QStringLiteral("Fitness Advice")), 2, 0);
    ReadingBox *advice = fills().add(textBox(QStringLiteral("txtSunSignDesc"), 9495, 1935),
                               [](const HealthReading &r) { return RowText(r.row.sunSignDescription); });
    advice->setAccessibleName(QStringLiteral("Fitness Advice"));
    layout->addWidget(advice, 2, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(3, 1);
    return tab;
}

void frmHealthAstrologyDisplay::filled()
{
    m_tabs->setCurrentIndex(1);
}
