#include "programs/fashion/frmFashionAstrologyDisplay.h"

#include "core/frame/reading_widgets.h"
#include "programs/fashion/fashion_program.h"
#include "programs/fashion/fashion_reading.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *CentredCaption(const QString &text)
{
    QLabel *caption = ReadingCaption(text);
    caption->setAlignment(Qt::AlignCenter);
    return caption;
}

// A full-width value of two lines' height, its text centred.
QLabel *StyleSentence(QVBoxLayout *column, const QString &heading, const QString &name)
{
    QLabel *value = ReadingValue(name);
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumHeight(value->fontMetrics().lineSpacing() * 2);
    column->addWidget(CentredCaption(heading));
    column->addWidget(value);
    return value;
}

} // namespace

frmFashionAstrologyDisplay::frmFashionAstrologyDisplay(ProgramHost &host, ProgramWindow *input)
    : ProfileDisplayWindow(host, input, FashionProgram(), TraitsLayout::Stacked)
{
    addProgramTab(createFashionTab(), QStringLiteral("Fashion Profile"));
}

QWidget *frmFashionAstrologyDisplay::createFashionTab()
{
    auto *tab = new QWidget;
    auto *column = new QVBoxLayout(tab);
    column->setSpacing(2);
    m_boldness = StyleSentence(column, QStringLiteral("Boldness"), QStringLiteral("lblBoldness"));
    m_colorful = StyleSentence(column, QStringLiteral("Colorful"), QStringLiteral("lblColorful"));
    m_customMade = StyleSentence(column, QStringLiteral("Custom-made"), QStringLiteral("lblCustomMade"));
    m_traditional = StyleSentence(column, QStringLiteral("Traditional"), QStringLiteral("lblTraditional"));
    m_frilly = StyleSentence(column, QStringLiteral("Frilly"), QStringLiteral("lblFrilly"));

    auto *colours = new QGridLayout;
    m_preferred = ReadingValue(QStringLiteral("lblPreferredColors"));
    m_undesirable = ReadingValue(QStringLiteral("lblUndesirableColors"));
    for (QLabel *value : {m_preferred, m_undesirable}) {
        value->setWordWrap(false);
        value->setAlignment(Qt::AlignCenter);
    }
    colours->addWidget(CentredCaption(QStringLiteral("Preferred Colors")), 0, 0);
    colours->addWidget(CentredCaption(QStringLiteral("Undesirable Colors")), 0, 1);
    colours->addWidget(m_preferred, 1, 0);
    colours->addWidget(m_undesirable, 1, 1);
    colours->setColumnStretch(0, 1);
    colours->setColumnStretch(1, 1);
    column->addSpacing(4);
    column->addLayout(colours);
    column->addSpacing(4);

    column->addWidget(CentredCaption(QStringLiteral("Fashion Characteristics")));
    m_characteristics = ReadingTextBox(QStringLiteral("txtFashionCharacteristics"), QStringLiteral("Fashion Characteristics"));
    m_characteristics->setMinimumHeight(m_characteristics->fontMetrics().lineSpacing() * 4 + 12);
    column->addWidget(m_characteristics, 1);
    return tab;
}

void frmFashionAstrologyDisplay::showReading(const FashionReading &reading)
{
    profileTab()->showProfile(reading.sign, reading.profile);
    m_boldness->setText(RowText(reading.row.boldness));
    m_traditional->setText(RowText(reading.row.traditional));
    m_colorful->setText(RowText(reading.row.colorful));
    m_customMade->setText(RowText(reading.row.customMade));
    m_frilly->setText(RowText(reading.row.frilly));
    m_preferred->setText(RowText(reading.row.preferredColors));
    m_undesirable->setText(RowText(reading.row.undesirableColors));
    m_characteristics->setText(RowText(reading.row.fashionCharacteristics));
    tabs()->setCurrentIndex(0); // every reading opens on "Sun Sign Profile"
}
