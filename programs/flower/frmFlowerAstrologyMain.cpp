#include "programs/flower/frmFlowerAstrologyMain.h"

#include "programs/flower/flower_program.h"
#include "core/frame/flat_list_style.h"
#include "core/frame/fonts.h"
#include "core/frame/name_key_validator.h"
#include "core/name_filter.h"
#include "core/frame/program_host.h"
#include "core/frame/text_label.h"
#include "programs/flower/flower_colours.h"
#include "programs/flower/flower_reading.h"
#include "programs/flower/frmFlowerAstrologyDisplay.h"
#include "reports/report_files.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

frmFlowerAstrologyMain::frmFlowerAstrologyMain(ProgramHost &host)
    : ProgramWindow(host, FlowerProgram().name, FlowerProgram().inputWindow, WindowRole::Input)
{
    createMenuBar({command(QStringLiteral("&Get My Flower Astrology Report"), QStringLiteral("mnuGetMyReport"),
                           &frmFlowerAstrologyMain::ShowFlowerReading),
                   command(QStringLiteral("Open Previously Saved Flower Astrology Report"),
                           QStringLiteral("mnuOpen"), &frmFlowerAstrologyMain::cmdOpen_Click)},
                  UpdateCaption::UpdateMnemonic);

    auto *panel = new QWidget;
    Paint(panel, Qt::black, kFlowerPanel);
    auto *panelLayout = new QVBoxLayout(panel);
    auto *intro = new TextLabel(QStringLiteral(
        "Orla Flower Astrology is an interesting and a user-friendly software which helps you find "
        "your lucky flower and plants based on your date of birth. The program generates a detailed "
        "reading for a person giving an insight into his personality based on his personal details "
        "(Name and Date of Birth)."));
    intro->setObjectName(QStringLiteral("Label3"));
    intro->setWordWrap(true);
    Paint(intro, kFlowerDarkRed);
    panelLayout->addWidget(intro);

    FaceButton *open = button(QStringLiteral("Click Here To Open Previously Saved Flower Astrology Report"),
                               QStringLiteral("cmdOpen"), &frmFlowerAstrologyMain::cmdOpen_Click);
    open->setFont(StarboxFont(8.25, true));
    open->setMinimumSize(Twips(2700), Twips(1300));
    // A tall button: its caption wraps over several lines.
    open->setText(QStringLiteral("Click Here To Open\nPreviously Saved\nFlower Astrology Report"));
    open->setAccessibleName(QStringLiteral("Click Here To Open Previously Saved Flower Astrology Report"));
    open->setFace(kFlowerButtonFace);

    auto *details = new QGroupBox(QStringLiteral("Enter Your Personal Details"));
    details->setObjectName(QStringLiteral("Frame1"));
    Paint(details, kFlowerDarkRed);
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    InstallNameKeyFilter(m_name, OnlyLettersMessage());
    m_date = CreateDateLists();
    for (QWidget *entry : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_date.day),
                           static_cast<QWidget *>(m_date.month), static_cast<QWidget *>(m_date.year)})
        PaintEntry(entry, kFlowerYellow, kFlowerPeriwinkle); // yellow on periwinkle
    // The lists in the same colours as the name box, not paler.
    for (QComboBox *list : {m_date.day, m_date.month, m_date.year})
        UseFlatFace(list);

    CreateNameAndDateGrid(details, m_name, m_date);

    auto *row = new QHBoxLayout;
    row->addWidget(open);
    row->addWidget(details, 1);
    panelLayout->addLayout(row);
    body()->addWidget(panel);

    FaceButton *proceed = button(QStringLiteral("&Get My Flower Astrology Report"), QStringLiteral("cmdProceed"),
                                  &frmFlowerAstrologyMain::ShowFlowerReading);
    proceed->setFont(StarboxFont(9, true));
    proceed->setDefault(true);
    proceed->setFace(kFlowerButtonFace);
    body()->addWidget(proceed);
    body()->addStretch(1);

    setMinimumWidth(Twips(7020));
    // Loading the window runs the update reminder.
    host.remindAboutUpdate(host.programArea() ? host.programArea()->window() : nullptr);
}

bool frmFlowerAstrologyMain::ValidateDetails()
{
    BirthDetails details;
    details.name = m_name->text();
    details.day = m_date.day->currentText().toInt();
    details.month = m_date.month->currentText();
    details.year = m_date.year->currentText().toInt();
    ValidationTexts texts;
    texts.name = {QStringLiteral("Please Enter  Your Name !"), MessageIcon::Information, false};
    return passes(::ValidateDetails(details, texts), FocusOnName(m_name));
}

void frmFlowerAstrologyMain::ShowFlowerReading()
{
    if (!ValidateDetails())
        return;
    const Person last = CheckedDetails(m_name, m_date);
    const SunSign sign = SunSignFor(last.month, last.day, kFlowerCuspTable);

    auto *display = new frmFlowerAstrologyDisplay(host(), this);
    display->showReading(BuildFlowerReading(sign), last);
    showReading(display);
}

void frmFlowerAstrologyMain::cmdOpen_Click()
{
    if (RestoreSavedReading(this, FlowerFiles(), m_name, m_date))
        ShowFlowerReading();
}
