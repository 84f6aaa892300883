#include "programs/food/frmFoodAstrologyMain.h"

#include "core/frame/fonts.h"
#include "core/frame/messages.h"
#include "core/name_filter.h"
#include "core/frame/text_label.h"
#include "programs/food/food_program.h"
#include "programs/food/food_reading.h"
#include "programs/food/frmFoodAstrologyDisplay.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmFoodAstrologyMain::frmFoodAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, FoodProgram().name, FoodProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({command(QStringLiteral("Get My Food Astrology Reading"),
                           QStringLiteral("mnuNext"), &frmFoodAstrologyMain::cmdNext_Click)},
                  UpdateCaption::CheckMnemonic);

    auto *intro = new TextLabel(QStringLiteral(
        "What kind of food do you prefer? A Pizza or some green vegetables? Know more about "
        "the kind of food you like or dislike from the astrology point of view!"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    body()->addWidget(intro);

    // The three name boxes sit in fraName beside the caption "Name".
    auto *details = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"));
    details->setObjectName(QStringLiteral("fraName"));
    m_names = CreateThreeNameBoxes(OnlyAlphabetMessage());
    auto *nameCaption = new TextLabel(QStringLiteral("Name"));
    nameCaption->setFont(StarboxFont(8.25, true));
    auto *nameRow = new QHBoxLayout(details);
    nameRow->addWidget(nameCaption, 0, Qt::AlignBottom);
    nameRow->addWidget(m_names.row, 1);
    body()->addWidget(details);
    m_date = CreateBirthDayFrame();
    body()->addWidget(m_date.frame);

    QPushButton *next = button(QStringLiteral("Get My &Food Astrology Reading"),
                               QStringLiteral("cmdNext"), &frmFoodAstrologyMain::cmdNext_Click);
    next->setDefault(true);
    addButtonRow({next, button(QStringLiteral("E&xit"), QStringLiteral("cmdExit"),
                               &frmFoodAstrologyMain::close)});
    body()->addStretch(1);
}

bool frmFoodAstrologyMain::ValidateFoodDetails()
{
    return passes(ValidateDetails(EnteredDetails(m_names, m_date)),
                  [this](DetailsField field) { return FocusTarget(field, m_names, m_date); });
}

void frmFoodAstrologyMain::cmdNext_Click()
{
    if (!ValidateFoodDetails())
        return;
    const BirthDetails details = EnteredDetails(m_names, m_date).details();
    const SunSign sign = SunSignFor(details.month, details.day, kFoodCuspTable);
    auto *display = new frmFoodAstrologyDisplay(host(), this);
    display->showReading(BuildFoodReading(sign));
    showReading(display);
}
