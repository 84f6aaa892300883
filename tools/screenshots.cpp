// SPDX-License-Identifier: GPL-3.0-or-later
// Walks through the main window and every finished program window and saves
// a picture of each state, so that the look can be reviewed by eye.

#include "programs/fruit/frmFruitAstrologyDisplay.h"
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

// Opens a three-name program, enters ANNA BERG born on the given date, takes
// the input window, proceeds and takes every tab of the display window.
void WalkReading(frmMDI &main, ReadingProgram program, const QString &prefix, int day, int month,
                 int yearIndex)
{
    const ReadingProgramEntry &entry = ReadingProgramOf(program);
    main.OpenReadingProgram(int(program));
    auto *input = FindControl<QWidget>(&main, entry.inputWindow);
    QTest::keyClicks(FindControl<QLineEdit>(input, "txtFirstName"), QStringLiteral("anna"));
    QTest::keyClicks(FindControl<QLineEdit>(input, "txtLastName"), QStringLiteral("berg"));
    FindControl<QComboBox>(input, "cboDate")->setCurrentIndex(day - 1);
    FindControl<QComboBox>(input, "cboMonth")->setCurrentIndex(month - 1);
    FindControl<QComboBox>(input, "cboYear")->setCurrentIndex(yearIndex);
    if (auto *female = input->findChild<QRadioButton *>(QStringLiteral("optFemale")))
        female->setChecked(true);
    Save(&main, prefix + QStringLiteral("-input"));
    FindControl<QPushButton>(input, entry.proceedButton)->click();
    auto *display = FindControl<QWidget>(&main, entry.displayWindow);
    auto *tabs = FindControl<QTabWidget>(display, "SSTab1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        Save(&main, prefix + QStringLiteral("-display-tab%1").arg(tab + 1));
    }
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

// Opens a single-name program with a report, reads ANNA's reading, takes
// the input window, every tab of the display window and the report.
void WalkReport(frmMDI &main, ReadingProgram program, const QString &prefix)
{
    const ReadingProgramEntry &entry = ReadingProgramOf(program);
    main.OpenReadingProgram(int(program));
    auto *input = FindControl<QWidget>(&main, entry.inputWindow);
    QTest::keyClicks(FindControl<QLineEdit>(input, "txtName"), QStringLiteral("anna"));
    FindControl<QComboBox>(input, "cboDate")->setCurrentIndex(0);
    FindControl<QComboBox>(input, "cboMonth")->setCurrentIndex(5);
    FindControl<QComboBox>(input, "cboYear")->setCurrentIndex(80);
    Save(&main, prefix + QStringLiteral("-input"));
    FindControl<QPushButton>(input, entry.proceedButton)->click();
    auto *display = FindControl<QWidget>(&main, entry.displayWindow);
    if (auto *tabs = display->findChild<QTabWidget *>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            Save(&main, prefix + QStringLiteral("-display-tab%1").arg(tab + 1));
        }
    } else {
        Save(&main, prefix + QStringLiteral("-display"));
    }
    FindControl<QPushButton>(display, "cmdPrint")->click();
    Save(&main, prefix + QStringLiteral("-report"));

    // And the report on paper, as a PDF beside the pictures.
    auto *report = FindControl<ReportWindow>(main.programArea(), entry.reportWindow);
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

    WalkReading(main, ReadingProgram::Food, QStringLiteral("food"), 7, 3, 80);
    WalkReading(main, ReadingProgram::Gift, QStringLiteral("gift"), 19, 2, 90);
    WalkReading(main, ReadingProgram::Fashion, QStringLiteral("fashion"), 22, 7, 85);

    WalkReport(main, ReadingProgram::Travel, QStringLiteral("travel"));
    WalkReport(main, ReadingProgram::Flower, QStringLiteral("flower"));
    WalkReport(main, ReadingProgram::Financial, QStringLiteral("financial"));
    WalkReport(main, ReadingProgram::Health, QStringLiteral("health"));

    // The About box is modal: take its picture from inside its own loop.
    QTimer::singleShot(300, [] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            Save(about, QStringLiteral("about"));
            about->close();
        }
    });
    main.showAbout(&main);

    // Fruit: the choice, then a fruit.
    const ReadingProgramEntry &fruitEntry = ReadingProgramOf(ReadingProgram::Fruit);
    main.OpenReadingProgram(int(fruitEntry.program));
    auto *fruitInput = FindControl<QWidget>(&main, fruitEntry.inputWindow);
    QTest::keyClicks(FindControl<QLineEdit>(fruitInput, "txtFirstName"), QStringLiteral("anna"));
    Save(&main, QStringLiteral("fruit-input"));
    FindControl<QPushButton>(fruitInput, fruitEntry.proceedButton)->click();
    auto *fruit = FindControl<frmFruitAstrologyDisplay>(&main, fruitEntry.displayWindow);
    Save(&main, QStringLiteral("fruit-choice"));
    fruit->picSmallFruit_Click(6);
    Save(&main, QStringLiteral("fruit-result"));

    // Zodiac Power Sign, reached by its hidden entry.
    const ReadingProgramEntry &powerEntry = ReadingProgramOf(ReadingProgram::ZodiacPowerSign);
    main.OpenReadingProgram(int(powerEntry.program));
    auto *power = FindControl<QWidget>(&main, powerEntry.inputWindow);
    QTest::keyClicks(FindControl<QLineEdit>(power, "txtName"), QStringLiteral("anna"));
    FindControl<QComboBox>(power, "cboYear")->setCurrentIndex(80);
    Save(&main, QStringLiteral("powersign-input"));
    FindControl<QPushButton>(power, powerEntry.proceedButton)->click();
    Save(&main, QStringLiteral("powersign-display"));

    return 0;
}
