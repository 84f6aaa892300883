// SPDX-License-Identifier: GPL-3.0-or-later
// Walks through the main window and every finished program window and saves
// a picture of each state, so that the look can be reviewed by eye.
//
//   starbox_screenshots [--screen WxH] [--dpi N] [--scale F]
//                       [--theme dark|high-contrast] [--font-size PT] FOLDER
//
// --screen takes the pictures on Qt's offscreen platform with a screen of
// that size; --dpi is a font DPI that is no scale factor (Qt's scaling off,
// QT_FONT_DPI, as some desktops set them); --scale is QT_SCALE_FACTOR;
// --theme and --font-size use the desktop's own platform themes: Adwaita's
// dark variant through Qt's GTK theme, and qt6ct with a white-on-black
// palette or a larger general font, in a settings folder of the walk's own.

#include "reports/report_window.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"
#include "tools/find_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
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

// Sets up the desktop the options ask for, before the application starts:
// returns the folder the pictures go to, and keeps the walk's own settings
// folder alive in the given one.
QString ChooseDesktop(int argc, char *argv[], QTemporaryDir &settings)
{
    QString folder = QStringLiteral("screenshots");
    QString screen, theme;
    qreal fontSize = 0;
    for (int i = 1; i < argc; ++i) {
        const QByteArray option = argv[i];
        const QByteArray value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        if (option == "--screen")
            screen = QString::fromLatin1(value);
        else if (option == "--dpi") {
            qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
            qputenv("QT_FONT_DPI", value);
        }
        else if (option == "--scale")
            qputenv("QT_SCALE_FACTOR", value);
        else if (option == "--theme")
            theme = QString::fromLatin1(value);
        else if (option == "--font-size")
            fontSize = value.toDouble();
        else {
            folder = QString::fromLocal8Bit(option);
            continue;
        }
        ++i;
    }
    if (!screen.isEmpty()) {
        const QStringList size = screen.split(QLatin1Char('x'));
        QFile config(settings.filePath(QStringLiteral("screen.json")));
        if (size.size() != 2 || !config.open(QIODevice::WriteOnly))
            qFatal("--screen takes a size such as 1366x768");
        config.write(QStringLiteral("{ \"screens\": [ { \"name\": \"screen\", \"x\": 0, \"y\": 0, "
                                    "\"width\": %1, \"height\": %2, \"logicalDpi\": 96 } ] }\n")
                         .arg(size.at(0).toInt()).arg(size.at(1).toInt()).toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    if (theme == QStringLiteral("dark")) {
        qputenv("QT_QPA_PLATFORMTHEME", "gtk3");
        qputenv("GTK_THEME", "Adwaita:dark");
    } else if (theme == QStringLiteral("high-contrast") || fontSize > 0) {
        QDir(settings.path()).mkpath(QStringLiteral("qt6ct/colors"));
        QFile colours(settings.filePath(QStringLiteral("qt6ct/colors/contrast.conf")));
        QFile config(settings.filePath(QStringLiteral("qt6ct/qt6ct.conf")));
        if (!colours.open(QIODevice::WriteOnly) || !config.open(QIODevice::WriteOnly))
            qFatal("cannot write the qt6ct settings");
        // White on black, links cyan, selections yellow, in qt6ct's order
        // of the palette's roles.
        const QByteArray roles = "#ffffffff, #ff000000, #ffffffff, #ffc0c0c0, #ffffffff, #ff808080, #ffffffff, "
                                 "#ffffffff, #ffffffff, #ff000000, #ff000000, #ffffffff, #ffffff00, #ff000000, "
                                 "#ff00ffff, #ffff00ff, #ff000000, #ffffffff, #ff000000, #ffffffff, #ffc0c0c0";
        colours.write("[ColorScheme]\nactive_colors=" + roles + "\ninactive_colors=" + roles
                      + "\ndisabled_colors=" + QByteArray(roles).replace("#ffffffff", "#ffc0c0c0") + "\n");
        config.write("[Appearance]\nstyle=Fusion\ncustom_palette=" + QByteArray(theme.isEmpty() ? "false" : "true")
                     + "\ncolor_scheme_path=" + colours.fileName().toLocal8Bit() + "\n");
        if (fontSize > 0)
            config.write("[Fonts]\ngeneral=\"DejaVu Sans," + QByteArray::number(fontSize) + ",-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n");
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
    } else if (!theme.isEmpty()) {
        qFatal("--theme takes dark or high-contrast");
    }
    return folder;
}

int main(int argc, char *argv[])
{
    // The walk prints every report, to PDF files beside the pictures. CUPS
    // is asked at a socket that does not exist, so that not one job can
    // reach a printer of the machine, whatever it has.
    qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("starbox-screenshots-no-printer/cups.sock")).toLocal8Bit());
    QTemporaryDir settings;
    const QString folder = ChooseDesktop(argc, argv, settings);
    int noArguments = 1;
    QApplication app(noArguments, argv);
    ConfigureApplication();
    g_out = QDir(folder);
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
