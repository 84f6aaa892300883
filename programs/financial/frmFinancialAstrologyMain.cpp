#include "programs/financial/frmFinancialAstrologyMain.h"

#include "core/frame/fonts.h"
#include "core/frame/text_label.h"
#include "programs/financial/financial_program.h"
#include "programs/financial/financial_reading.h"
#include "programs/financial/frmFinancialAstrologyDisplay.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

frmFinancialAstrologyMain::frmFinancialAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, FinancialProgram().name, FinancialProgram().inputWindow, WindowRole::Input)
{
    setBodyBackground(Qt::black);

    auto *intro = new TextLabel(QStringLiteral(
        "Are you worrying about why you cant save money however hard your try? What kind of person are "
        "you when it comes to financial dealings? Let Orla Financial Astrology help you find your "
        "financial profile!"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(9.75, true));
    Paint(intro, QColor(0xFF, 0xFF, 0x00));
    body()->addWidget(intro);

    // Any character may be typed into the name.
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    m_date = CreateDateLists();
    QGroupBox *details = CreatePersonalDetailsFrame(m_name, m_date);
    Paint(details, Qt::white);
    body()->addWidget(details);

    QPushButton *proceed = button(QStringLiteral("&Get My Financial Astrology Reading"),
                                  QStringLiteral("cmdProceed"), &frmFinancialAstrologyMain::cmdProceed_Click);
    proceed->setDefault(true);
    addButtonRow({proceed, button(QStringLiteral("&Open Previously Saved Reading"), QStringLiteral("cmdOpen"),
                                  &frmFinancialAstrologyMain::cmdOpen_Click)});
    body()->addStretch(1);
    setMinimumWidth(Twips(8055));
}

void frmFinancialAstrologyMain::cmdProceed_Click()
{
    BirthDetails details;
    details.name = m_name->text();
    details.day = m_date.day->currentText().toInt();
    details.month = m_date.month->currentText();
    details.year = m_date.year->currentText().toInt();
    if (!passes(ValidateDetails(details), FocusOnName(m_name)))
        return;
    auto *display = new frmFinancialAstrologyDisplay(host(), this);
    display->ShowFinancialReading(FinancialReadingFor(details));
    showReading(display);
}

void frmFinancialAstrologyMain::cmdOpen_Click()
{
    if (RestoreSavedReading(this, FinancialFiles(), m_name, m_date))
        cmdProceed_Click();
}
