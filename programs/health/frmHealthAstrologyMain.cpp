#include "programs/health/frmHealthAstrologyMain.h"

#include "core/frame/fonts.h"
#include "core/name_filter.h"
#include "core/frame/name_key_validator.h"
#include "core/frame/program_host.h"
#include "core/frame/text_label.h"
#include "programs/health/frmHealthAstrologyDisplay.h"
#include "programs/health/health_colours.h"
#include "programs/health/health_program.h"
#include "programs/health/health_reading.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

frmHealthAstrologyMain::frmHealthAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, HealthProgram().name, HealthProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({command(QStringLiteral("Open Previously Saved Health Reading"),
                           QStringLiteral("mnuOpenPreviouslySavedHealth"), &frmHealthAstrologyMain::cmdOpen_Click),
                   command(QStringLiteral("Get My &Health Reading"), QStringLiteral("mnuGetMyHealthReading"),
                           &frmHealthAstrologyMain::ShowHealthReading)},
                  UpdateCaption::UpdateMnemonic);
    setBodyBackground(Qt::black);

    auto *intro = new TextLabel(QStringLiteral(
        "Velmora welcomes you to take a journey into the health and medical astrology with the help of "
        "Orla Health Astrology Software. Know your probable health related issues and sicknesses, your "
        "recommended diet, your constitution type and more health related aspects from Orla Health "
        "Astrology. The program generates a comprehensive health report based on a person's personal "
        "details (Name and Date of Birth)."));
    intro->setObjectName(QStringLiteral("Label3"));
    intro->setWordWrap(true);
    intro->setFont(StarboxFont(8.25, true));
    Paint(intro, QColor(0xFC, 0xE0, 0xF8));
    body()->addWidget(intro);

    auto *prompt = new TextLabel(QStringLiteral("Just input your name and date of birth and get a Reading Now!"));
    prompt->setObjectName(QStringLiteral("Label4"));
    prompt->setFont(StarboxFont(8.25, true));
    Paint(prompt, QColor(0xEF, 0x41, 0xDA));
    body()->addWidget(prompt);

    FaceButton *open = button(QStringLiteral("Click Here To Open Previously Saved Health Reading"),
                               QStringLiteral("cmdOpen"), &frmHealthAstrologyMain::cmdOpen_Click);
    open->setFont(StarboxFont(9, true));
    open->setMinimumSize(Twips(2400), Twips(1300));
    // A tall button: its caption wraps over several lines.
    open->setText(QStringLiteral("Click Here To Open\nPreviously Saved\nHealth Reading"));
    open->setAccessibleName(QStringLiteral("Click Here To Open Previously Saved Health Reading"));
    open->setFace(QColor(0xC0, 0xC0, 0xC0));

    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    InstallNameKeyFilter(m_name, OnlyLettersMessage());
    m_date = CreateDateLists();
    for (QWidget *entry : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_date.day),
                           static_cast<QWidget *>(m_date.month), static_cast<QWidget *>(m_date.year)}) {
        entry->setFont(StarboxFont(8.25, true));
        PaintEntry(entry, Qt::black, kHealthCream);
    }
    auto *details = new QWidget;
    CreateNameAndDateGrid(details, m_name, m_date, ListCaptions::Regular)->setContentsMargins(0, 0, 0, 0);
    Paint(details, kHealthPeach);

    auto *row = new QHBoxLayout;
    row->addWidget(open);
    row->addSpacing(8);
    row->addWidget(details, 1);
    body()->addLayout(row);

    FaceButton *next = button(QStringLiteral("Get My &Health Reading"), QStringLiteral("cmdNext"),
                               &frmHealthAstrologyMain::ShowHealthReading);
    next->setFont(StarboxFont(9, true));
    next->setDefault(true);
    next->setFace(kHealthCream);
    body()->addWidget(next);
    body()->addStretch(1);

    QPushButton *exit = button(QStringLiteral("&Exit"), QStringLiteral("cmdExit"), &frmHealthAstrologyMain::close);
    exit->setFont(StarboxFont(8.25, true));
    addToBottomStrip(exit);

    setMinimumWidth(Twips(8055));
    // Loading the window runs the update reminder.
    host.remindAboutUpdate(host.programArea() ? host.programArea()->window() : nullptr);
}

bool frmHealthAstrologyMain::ValidateDetails()
{
    BirthDetails details;
    details.name = m_name->text();
    details.day = m_date.day->currentText().toInt();
    details.month = m_date.month->currentText();
    details.year = m_date.year->currentText().toInt();
    return passes(ValidateHealthDetails(details), FocusOnName(m_name));
}

void frmHealthAstrologyMain::ShowHealthReading()
{
    if (!ValidateDetails())
        return;
    const Person last = CheckedDetails(m_name, m_date);
    const SunSign sign = SunSignFor(last.month, last.day, kHealthCuspTable);
    auto *display = new frmHealthAstrologyDisplay(host(), this);
    display->ShowHealthReading(BuildHealthReading(sign), last);
    showReading(display);
}

void frmHealthAstrologyMain::cmdOpen_Click()
{
    if (RestoreSavedReading(this, HealthFiles(), m_name, m_date))
        ShowHealthReading();
}
