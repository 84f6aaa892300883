// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fashion/frmFashionAstrologyDisplay.h"

#include "frame/reading_widgets.h"
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
    // The heading and the label of each style field, in the order of
    // FashionStyle: full-width values of two lines' height, their texts centred.
    const struct { const char16_t *heading; const char16_t *name; } styles[kFashionStyleCount] = {
        {u"Boldness", u"lblBoldness"},
        {u"Colorful", u"lblColorful"},
        {u"Custom-made", u"lblCustomMade"},
        {u"Traditional", u"lblTraditional"},
        {u"Frilly", u"lblFrilly"}};
    for (int k = 0; k < int(kFashionStyleCount); ++k) {
        const auto &style = styles[k];
        QLabel *value = fills().add(ReadingValue(QString::fromUtf16(style.name), QString::fromUtf16(style.heading)), &FashionRow::styles, FashionStyle(k));
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumHeight(value->fontMetrics().lineSpacing() * 2);
        column->addWidget(CentredCaption(QString::fromUtf16(style.heading)));
        column->addWidget(value);
    }

    QLabel *preferred = fills().add(ReadingValue(QStringLiteral("lblPreferredColors"), QStringLiteral("Preferred Colors")), &FashionRow::preferredColors);
    QLabel *undesirable = fills().add(ReadingValue(QStringLiteral("lblUndesirableColors"), QStringLiteral("Undesirable Colors")), &FashionRow::undesirableColors);
    for (QLabel *value : {preferred, undesirable}) {
        value->setWordWrap(false);
        value->setAlignment(Qt::AlignCenter);
    }
    column->addSpacing(4);
    column->addLayout(SideBySide(CentredCaption(QStringLiteral("Preferred Colors")), preferred,
                                 CentredCaption(QStringLiteral("Undesirable Colors")), undesirable));
    column->addSpacing(4);

    column->addWidget(CentredCaption(QStringLiteral("Fashion Characteristics")));
    ReadingBox *characteristics = fills().add(
        ReadingTextBox(QStringLiteral("txtFashionCharacteristics"), QStringLiteral("Fashion Characteristics")),
        &FashionRow::fashionCharacteristics);
    characteristics->setMinimumHeight(characteristics->fontMetrics().lineSpacing() * 4 + 12);
    column->addWidget(characteristics, 1);
    return tab;
}

void frmFashionAstrologyDisplay::filled()
{
    showProfile(reading().sign, reading().profile, 0); // every reading opens on "Sun Sign Profile"
}
