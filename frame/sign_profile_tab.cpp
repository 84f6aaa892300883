// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/sign_profile_tab.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/sign_pictures.h"
#include "core/fixed_table.h"
#include "core/sign_profile.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// A heading centred above its single-line, centred value.
QLabel *AddField(QVBoxLayout *column, const QString &heading, const QString &name)
{
    QLabel *caption = ReadingCaption(heading);
    caption->setAlignment(Qt::AlignCenter);
    QLabel *value = ReadingValue(name, heading);
    value->setWordWrap(false);
    value->setAlignment(Qt::AlignCenter);
    column->addWidget(caption);
    column->addWidget(value);
    column->addSpacing(6);
    return value;
}

} // namespace

SignProfileTab::SignProfileTab(TraitsLayout traits, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame4"));

    auto *left = new QVBoxLayout;
    auto *signCaption = ReadingCaption(QStringLiteral("Your Sun Sign"));
    signCaption->setAlignment(Qt::AlignCenter);
    m_sign = ReadingValue(QStringLiteral("lblSunSign"), signCaption->text());
    m_sign->setAlignment(Qt::AlignCenter);
    m_sign->setWordWrap(false);
    m_sign->setFont(StarboxFont(14, true));
    left->addWidget(signCaption);
    left->addWidget(m_sign);
    left->addSpacing(10);
    m_element = AddField(left, QStringLiteral("Element"), QStringLiteral("lblSunSignElement"));
    m_birthstone = AddField(left, QStringLiteral("Birthstone"), QStringLiteral("lblSunSignBirthStone"));
    left->addStretch(1);

    m_picture = new QLabel;
    m_picture->setObjectName(QStringLiteral("picSunSign"));
    m_picture->setFixedSize(kSignPictureSize);

    auto *right = new QVBoxLayout;
    m_number = AddField(right, QStringLiteral("Lucky Number"), QStringLiteral("lblSunSignNumber"));
    m_day = AddField(right, QStringLiteral("Lucky Day"), QStringLiteral("lblSunSignDay"));
    m_compatibility = AddField(right, QStringLiteral("Compatibility"),
                               QStringLiteral("lblSunSignCompatibility"));
    right->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(right, 1);

    m_positive = ReadingTextBox(QStringLiteral("txtSunSignPositiveTraits"), QStringLiteral("Positive Traits"));
    m_negative = ReadingTextBox(QStringLiteral("txtSunSignNegativeTraits"), QStringLiteral("Negative Traits"));
    QGridLayout *traitsGrid = nullptr;
    if (traits == TraitsLayout::SideBySide) {
        traitsGrid = SideBySide(ReadingCaption(QStringLiteral("Positive Traits")), m_positive,
                                ReadingCaption(QStringLiteral("Negative Traits")), m_negative);
    } else {
        traitsGrid = new QGridLayout;
        traitsGrid->addWidget(ReadingCaption(QStringLiteral("Positive Traits")), 0, 0);
        traitsGrid->addWidget(m_positive, 1, 0);
        traitsGrid->addWidget(ReadingCaption(QStringLiteral("Negative Traits")), 2, 0);
        traitsGrid->addWidget(m_negative, 3, 0);
    }
    const int lines = traits == TraitsLayout::SideBySide ? 7 : 4;
    for (ReadingBox *box : {m_positive, m_negative})
        box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 12);

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(traitsGrid, 1);
}

void SignProfileTab::showProfile(SunSign sign, const SignProfile &profile)
{
    m_sign->setText(SignName(sign));
    m_element->setText(RowText(profile.element));
    m_number->setText(RowText(profile.luckyNumber));
    m_day->setText(RowText(profile.luckyDay));
    m_compatibility->setText(RowText(profile.compatibility));
    m_birthstone->setText(RowText(profile.birthstone));
    m_positive->setText(RowText(profile.positiveTraits));
    m_negative->setText(RowText(profile.negativeTraits));
    SunSignPictures().show(m_picture, SignPictureIndex(sign), kSignPictureSize);
}

QGridLayout *SideBySide(QWidget *leftCaption, QWidget *left, QWidget *rightCaption, QWidget *right)
{
    auto *grid = new QGridLayout;
    grid->addWidget(leftCaption, 0, 0);
    grid->addWidget(rightCaption, 0, 1);
    grid->addWidget(left, 1, 0);
    grid->addWidget(right, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}
