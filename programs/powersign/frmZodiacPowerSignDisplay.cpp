// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/powersign/frmZodiacPowerSignDisplay.h"

#include "frame/fonts.h"
#include "frame/reading_widgets.h"
#include "frame/text_label.h"
#include "programs/powersign/powersign_program.h"
#include "programs/powersign/powersign_reading.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

frmZodiacPowerSignDisplay::frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input)
    : ReadingDisplayWindow(host, PowerSignProgram(), input,
                          {.backMenuName = QStringLiteral("mnuFileBack"), .update = UpdateCaption::CheckMnemonic})
{
    auto *frame = new QGroupBox(QStringLiteral("Zodiac Power Sign"));
    frame->setObjectName(QStringLiteral("fraPowerSign"));
    auto *column = new QVBoxLayout(frame);
    for (const char16_t *heading : {u"Pluto is known as the Planet of Power", u"Pluto in your Chart is Placed in"}) {
        auto *label = new TextLabel(QString::fromUtf16(heading));
        label->setFont(StarboxFont(9, true));
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    QLabel *sign = fills().add(ReadingValue(QStringLiteral("lblPowerSign"), QStringLiteral("Pluto in your Chart is Placed in")),
                               [](const PowerSignReading &reading) { return SignName(reading.sign); });
    sign->setFont(StarboxFont(9, true));
    sign->setAlignment(Qt::AlignCenter);
    column->addWidget(sign);
    column->addSpacing(8);
    QLabel *description = fills().add(ReadingValue(QStringLiteral("lblSignDesc")), &PowerSignRow::description);
    description->setFont(StarboxFont(8.25, true));
    description->setMinimumSize(Twips(7200), Twips(1350));
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(description, 1);
    body()->addWidget(frame, 1);

    addCommandRow({Back, Exit});
}
