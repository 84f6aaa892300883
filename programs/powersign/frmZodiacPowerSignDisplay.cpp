#include "programs/powersign/frmZodiacPowerSignDisplay.h"

#include "core/frame/fonts.h"
#include "core/frame/reading_widgets.h"
#include "core/frame/text_label.h"
#include "programs/powersign/powersign_program.h"
#include "programs/powersign/powersign_reading.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

frmZodiacPowerSignDisplay::frmZodiacPowerSignDisplay(ProgramHost &host, ProgramWindow *input)
    : DisplayWindow(host, PowerSignProgram(), input,
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
    m_sign = ReadingValue(QStringLiteral("lblPowerSign"));
    m_sign->setFont(StarboxFont(9, true));
    m_sign->setAlignment(Qt::AlignCenter);
    column->addWidget(m_sign);
    column->addSpacing(8);
    m_description = ReadingValue(QStringLiteral("lblSignDesc"));
    m_description->setFont(StarboxFont(8.25, true));
    m_description->setMinimumSize(480, 90);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(m_description, 1);
    body()->addWidget(frame, 1);

    addCommandRow({Back, Exit});
}

void frmZodiacPowerSignDisplay::showReading(const PowerSignReading &reading)
{
    m_description->setText(RowText(reading.row.description));
    m_sign->setText(SignName(reading.sign));
}
