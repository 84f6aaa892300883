// SPDX-License-Identifier: GPL-3.0-or-later
// Walks through the main window and every finished program window and saves
// a picture of each state, so that the look can be reviewed by eye.

#include "reports/report_window.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"
#include "tools/find_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QDir g_out;

void Save(QWidget *window, const QString &name)
{
    QTest::qWait(150);
    const QString file = g_out.filePath(name + QStringLiteral(".png"));
    window->grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

// The name a program's pictures are saved under: its caption without
// "Astrology", in small letters and without blanks ("food", "zodiacpowersign").
QString PrefixOf(const ReadingProgramEntry &program)
{
    QString prefix = program.name;
    prefix.remove(QStringLiteral(" Astrology"));
    return prefix.remove(QLatin1Char(' ')).toLower();
}

// Fills what the input window asks for: ANNA, or ANNA BERG where it takes
// three names, born on 7 March 1980 where it asks for a date; the female
// option where it has one.
void FillIn(QWidget *input)
{
    if (auto *last = input->findChild<QLineEdit *>(QStringLiteral("txtLastName"))) {
        QTest::keyClicks(FindControl<QLineEdit>(input, "txtFirstName"), QStringLiteral("anna"));
        QTest::keyClicks(last, QStringLiteral("berg"));
    } else if (auto *name = input->findChild<QLineEdit *>(QStringLiteral("txtName"))) {
        QTest::keyClicks(name, QStringLiteral("anna"));
    } else {
        QTest::keyClicks(FindControl<QLineEdit>(input, "txtFirstName"), QStringLiteral("anna"));
    }
    const struct { const char *name; int index; } date[] = {{"cboDate", 6}, {"cboMonth", 2}, {"cboYear", 80}};
    for (const auto &list : date) {
        if (auto *box = input->findChild<QComboBox *>(QString::fromLatin1(list.name)))
            box->setCurrentIndex(list.index);
    }
    if (auto *female = input->findChild<QRadioButton *>(QStringLiteral("optFemale")))
        female->setChecked(true);
}

// Accepts the print dialog with its PDF file entry chosen, whatever
// printers the machine has, for the file given.
void AcceptToPdf(QPrintDialog *dialog, const QString &pdf)
{
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!printers || !fileName || printers->count() == 0) {
        dialog->reject();
        return;
    }
    printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
    if (!fileName->isEnabled()) {
        dialog->reject();
        return;
    }
    fileName->setText(pdf);
    dialog->accept();
}

void PrintReport(frmMDI &main, const ReadingProgramEntry &program, const QString &prefix)
{
    auto *report = FindControl<ReportWindow>(main.programArea(), program.reportWindow);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(g_out.filePath(prefix + QStringLiteral("-report.pdf")));
    report->setPrinter(&printer);
    QTimer::singleShot(200, [&printer] {
        if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()))
            AcceptToPdf(dialog, printer.outputFileName());
    });
    FindControl<QPushButton>(report, "cmdPrint")->click();
    report->setPrinter(nullptr);
    if (printer.outputFormat() != QPrinter::PdfFormat || !QFileInfo::exists(printer.outputFileName()))
        qWarning("the %s report was not printed to its PDF file", qPrintable(prefix));
    else
        std::printf("%s\n", qPrintable(printer.outputFileName()));
}

// Opens the program, fills in its input window and takes it, proceeds and
// takes every tab of the display window (a choice of pictures, then one
// picked), then the report where there is one, on screen and on paper.
void Walk(frmMDI &main, const ReadingProgramEntry &program)
{
    const QString prefix = PrefixOf(program);
    main.OpenReadingProgram(program.button);
    auto *input = FindControl<QWidget>(&main, program.inputWindow);
    FillIn(input);
    Save(&main, prefix + QStringLiteral("-input"));
    FindControl<QPushButton>(input, program.proceedButton)->click();
    auto *display = FindControl<QWidget>(&main, program.displayWindow);
    if (auto *tabs = display->findChild<QTabWidget *>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            Save(&main, prefix + QStringLiteral("-display-tab%1").arg(tab + 1));
        }
    } else if (const QList<QWidget *> pictures = display->findChildren<QWidget *>(QStringLiteral("picSmallFruit"));
               !pictures.isEmpty()) {
        Save(&main, prefix + QStringLiteral("-choice"));
        QTest::mouseClick(pictures.at(6), Qt::LeftButton);
        Save(&main, prefix + QStringLiteral("-result"));
    } else {
        Save(&main, prefix + QStringLiteral("-display"));
    }
    if (program.reportWindow.isEmpty())
        return;
    FindControl<QPushButton>(display, "cmdPrint")->click();
    Save(&main, prefix + QStringLiteral("-report"));
    PrintReport(main, program, prefix);
}

} // namespace

int main(int argc, char *argv[])
{
    // The walk prints every report, to PDF files beside the pictures. CUPS
    // is asked at a socket that does not exist, so that not one job can
    // reach a printer of the machine, whatever it has.
    qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("starbox-screenshots-no-printer/cups.sock")).toLocal8Bit());
    QApplication app(argc, argv);
    ConfigureApplication();
    g_out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    g_out.mkpath(QStringLiteral("."));

    frmMDI main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        qWarning("main window not exposed");
    Save(&main, QStringLiteral("main"));

    for (const ReadingProgramEntry *program : ReadingPrograms())
        Walk(main, *program);

    // The About box is modal: take its picture from inside its own loop.
    QTimer::singleShot(300, [] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            Save(about, QStringLiteral("about"));
            about->close();
        }
    });
    main.showAbout(&main);

    return 0;
}
