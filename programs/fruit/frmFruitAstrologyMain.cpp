#include "programs/fruit/frmFruitAstrologyMain.h"

#include "core/frame/fonts.h"
#include "core/name_filter.h"
#include "core/frame/name_key_validator.h"
#include "core/frame/text_label.h"
#include "programs/fruit/frmFruitAstrologyDisplay.h"
#include "programs/fruit/fruit_program.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

frmFruitAstrologyMain::frmFruitAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, FruitProgram().name, FruitProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({command(QStringLiteral("Get My &Fruit Astrology Reading"), QStringLiteral("mnuNext"),
                           &frmFruitAstrologyMain::cmdNext_Click)},
                  UpdateCaption::CheckMnemonic);

    auto *intro = new TextLabel(QStringLiteral(
        "Orla Fruit Astrology tells you more about your personality based on your choice of fruit. "
        "Each fruit has it own personality that is reflected in the choice of the person. It tells "
        "you more about your inner and outer self."));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    body()->addWidget(intro);

    auto *details = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    details->setObjectName(QStringLiteral("fraName"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtFirstName"));
    InstallNameKeyFilter(m_name, OnlyAlphabetMessage());
    auto *caption = new TextLabel(QStringLiteral("Name:-"));
    caption->setFont(StarboxFont(8.25, true));
    caption->setBuddy(m_name);
    m_name->setAccessibleName(QStringLiteral("Name"));
    auto *row = new QHBoxLayout(details);
    row->addWidget(caption);
    row->addWidget(m_name, 1);
    body()->addWidget(details);

    QPushButton *next = button(QStringLiteral("Get My &Fruit Astrology Reading"), QStringLiteral("cmdNext"),
                               &frmFruitAstrologyMain::cmdNext_Click);
    next->setDefault(true);
    addButtonRow({next, button(QStringLiteral("E&xit"), QStringLiteral("cmdExit"), &frmFruitAstrologyMain::close)});
    body()->addStretch(1);
}

bool frmFruitAstrologyMain::ValidateFruitDetails()
{
    // The name as typed: only an empty box is refused.
    const NameRule rule{QStringLiteral("Please Enter Your Name"), MessageIcon::Information, false};
    return passes(CheckName(m_name->text(), rule), [this](DetailsField) { return m_name; });
}

void frmFruitAstrologyMain::cmdNext_Click()
{
    if (!ValidateFruitDetails())
        return;
    showReading(new frmFruitAstrologyDisplay(host(), this));
}
