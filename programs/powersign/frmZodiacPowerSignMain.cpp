#include "programs/powersign/frmZodiacPowerSignMain.h"

#include "core/frame/fonts.h"
#include "core/name_filter.h"
#include "core/frame/name_key_validator.h"
#include "core/frame/pictures.h"
#include "core/frame/text_label.h"
#include "programs/powersign/frmZodiacPowerSignDisplay.h"
#include "programs/powersign/powersign_program.h"
#include "programs/powersign/powersign_reading.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

frmZodiacPowerSignMain::frmZodiacPowerSignMain(ProgramHost &host)
    : ProgramWindow(host, PowerSignProgram().name, PowerSignProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({command(QStringLiteral("Find My Zodiac &Power Sign"), QStringLiteral("mnuFindPowerSign"),
                           &frmZodiacPowerSignMain::cmdNext_Click)},
                  UpdateCaption::UpdateMnemonic);

    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    ShowSvg(picture, QStringLiteral(":/pluto.svg"), QSize(120, 120), QStringLiteral("The planet Pluto"));
    auto *intro = new TextLabel(RowText(kPowerSignIntroduction));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9, true));
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(intro, 1);
    body()->addLayout(top);

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    InstallNameKeyFilter(m_name, OnlyLettersMessage());
    m_date = CreateDateLists(kPowerSignLastYear);
    auto *details = new QWidget;
    QGridLayout *grid = CreateNameAndDateGrid(details, m_name, m_date);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(2, 1);
    body()->addWidget(details);

    QPushButton *next = button(QStringLiteral("Find My Zodiac &Power Sign"), QStringLiteral("cmdNext"),
                               &frmZodiacPowerSignMain::cmdNext_Click);
    next->setDefault(true);
    addButtonRow({next, button(QStringLiteral("&Exit"), QStringLiteral("cmdExit"), &frmZodiacPowerSignMain::close)});
    body()->addStretch(1);
}

bool frmZodiacPowerSignMain::ValidatePowerSignDetails()
{
    return passes(::ValidatePowerSignDetails(m_name->text(), m_date.day->currentIndex() + 1,
                                             m_date.month->currentIndex(),
                                             m_date.year->currentText().toInt()),
                  FocusOnName(m_name));
}

void frmZodiacPowerSignMain::cmdNext_Click()
{
    if (!ValidatePowerSignDetails())
        return;
    const std::optional<SunSign> sign = FindPowerSign(m_date.day->currentText().toInt(),
                                                      m_date.month->currentText(),
                                                      m_date.year->currentText().toInt());
    if (!sign)
        return; // the lists offer only dates the table holds
    auto *display = new frmZodiacPowerSignDisplay(host(), this);
    display->showReading({*sign, RowFor(kPowerSignTable, *sign)});
    showReading(display);
}
