#include "programs/travel/frmTravelAstrologyMain.h"

#include "core/frame/fonts.h"
#include "core/frame/text_label.h"
#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "programs/travel/travel_program.h"
#include "programs/travel/travel_reading.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>
#include <QLineEdit>

frmTravelAstrologyMain::frmTravelAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, TravelProgram().name, TravelProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({}, UpdateCaption::UpdateMnemonic);

    for (const char16_t *text :
         {u"Let Orla Travel Astrology help you find your preferred holiday locations and make your "
          u"travel profile!",
          u"Are do you prefer the beach or the mountains? Or may be the forest ranch? If you are "
          u"worrying about where to go for your next vacation, your worries are over! "}) {
        auto *intro = new TextLabel(QString::fromUtf16(text));
        intro->setWordWrap(true);
        intro->setFont(StarboxFont(9.75, true));
        body()->addWidget(intro);
    }

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    m_date = CreateDateLists();
    body()->addWidget(CreatePersonalDetailsFrame(m_name, m_date));

    QPushButton *proceed = button(QStringLiteral("&Find My Astro Travel Traits"),
                                  QStringLiteral("cmdProceed"), &frmTravelAstrologyMain::cmdProceed_Click);
    proceed->setDefault(true);
    addButtonRow({proceed, button(QStringLiteral("&Open Previously Saved Reading"),
                                  QStringLiteral("cmdOpen"), &frmTravelAstrologyMain::cmdOpen_Click)});
    body()->addStretch(1);
}

void frmTravelAstrologyMain::cmdProceed_Click()
{
    // The name as typed: only an empty box is refused; the date is not checked.
    const NameRule rule{QStringLiteral("Please enter your name"), MessageIcon::Stop, false};
    if (!passes(CheckName(m_name->text(), rule), FocusOnName(m_name)))
        return;
    auto *display = new frmTravelAstrologyDisplay(host(), this);
    // The day and year lists hold plain numbers, so the person keeps them exact.
    display->ShowTravelReading(TravelReadingFor({m_name->text(), m_date.day->currentText().toInt(),
                                                 m_date.month->currentText(),
                                                 m_date.year->currentText().toInt()}));
    showReading(display);
}

void frmTravelAstrologyMain::cmdOpen_Click()
{
    if (RestoreSavedReading(this, TravelFiles(), m_name, m_date))
        cmdProceed_Click();
}
