// SPDX-License-Identifier: GPL-3.0-or-later
// A logout closes the main window whatever is open in front of it. Each row
// runs Starbox in a child process of this test, as main() runs it, opens a
// dialog and closes the main window from a timer while the dialog is still
// open: Starbox must end by itself, with status 0, not abort.

#include "frame/program_window.h"
#include "programs/flower/flower_program.h"
#include "programs/food/food_program.h"
#include "programs/health/health_program.h"
#include "shell/app_settings.h"
#include "shell/command_line.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const char kChildOption[] = "--logout-child";
const QString kClosingMark = u"closing the main window under "_s;

// The child: Starbox as main() runs it, driven through one scenario.

frmMDI *MainWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<frmMDI *>(widget))
            return main;
    }
    return nullptr;
}

ProgramWindow *Window(frmMDI *main, const QString &name)
{
    return main->findChild<ProgramWindow *>(name);
}

template <typename T = QWidget>
T *Control(QWidget *window, const char *name)
{
    T *control = window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!control) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(4);
    }
    return control;
}

// Opens a program; its input window.
ProgramWindow *OpenInput(frmMDI *main, const ReadingProgramEntry &program)
{
    main->OpenReadingProgram(program.button);
    return Window(main, program.inputWindow);
}

// Opens a program and shows the reading of ANNA, born 1 June 1980.
ProgramWindow *ShowReading(frmMDI *main, const ReadingProgramEntry &program)
{
    ProgramWindow *input = OpenInput(main, program);
    Control<QLineEdit>(input, "txtName")->setText(u"ANNA"_s);
    Control<QComboBox>(input, "cboMonth")->setCurrentIndex(5);
    Control<QComboBox>(input, "cboYear")->setCurrentIndex(80);
    Control<QPushButton>(input, qPrintable(program.proceedButton))->click();
    for (QMdiSubWindow *sub : main->programArea()->subWindowList()) {
        auto *window = qobject_cast<ProgramWindow *>(sub);
        if (window && window->role() == WindowRole::Display && window->isVisible())
            return window;
    }
    std::fprintf(stderr, "no display window\n");
    std::exit(4);
}

ProgramWindow *OpenReport(frmMDI *main, const ReadingProgramEntry &program)
{
    ShowReading(main, program);
    ProgramWindow *display = nullptr;
    for (QMdiSubWindow *sub : main->programArea()->subWindowList()) {
        auto *window = qobject_cast<ProgramWindow *>(sub);
        if (window && window->role() == WindowRole::Display)
            display = window;
    }
    Control<QPushButton>(display, "cmdPrint")->click();
    for (QMdiSubWindow *sub : main->programArea()->subWindowList()) {
        auto *window = qobject_cast<ProgramWindow *>(sub);
        if (window && window->role() == WindowRole::Report)
            return window;
    }
    std::fprintf(stderr, "no report window\n");
    std::exit(4);
}

struct Scenario
{
    const char *name;
    // Whether a modal widget is the dialog the scenario waits for.
    std::function<bool(QWidget *)> isTheDialog;
    // Opens the dialog; runs inside the event loop and blocks in the dialog.
    std::function<void(frmMDI *)> open;
    // Answers a modal widget that comes before the dialog, if any.
    std::function<void(QWidget *)> answer = {};
};

bool IsFileDialog(QWidget *modal)
{
    return qobject_cast<QFileDialog *>(modal) != nullptr;
}

bool IsMessageBox(QWidget *modal)
{
    return qobject_cast<QMessageBox *>(modal) != nullptr;
}

bool IsAboutBox(QWidget *modal)
{
    return modal->objectName() == u"frmAbout"_s;
}

bool IsPrintDialog(QWidget *modal)
{
    return qobject_cast<QPrintDialog *>(modal) != nullptr;
}

const QList<Scenario> &Scenarios()
{
    static const QList<Scenario> scenarios{
        {"report save dialog", IsFileDialog,
         [](frmMDI *main) {
             Control<QPushButton>(OpenReport(main, FlowerProgram()), "cmdSave")->click();
         }},
        {"save dialog's question to replace a file",
         [](QWidget *modal) { return IsMessageBox(modal) && qobject_cast<QFileDialog *>(modal->parentWidget()); },
         [](frmMDI *main) {
             // An existing file, which the dialog asks before replacing.
             QFile existing(QDir::home().filePath(u"anna.flo"_s));
             if (!existing.open(QIODevice::WriteOnly))
                 std::exit(4);
             existing.close();
             Control<QPushButton>(OpenReport(main, FlowerProgram()), "cmdSave")->click();
         },
         [](QWidget *modal) {
             if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                 dialog->setDirectory(QDir::home());
                 dialog->selectFile(QDir::home().filePath(u"anna.flo"_s));
                 // The name box takes no selection while it has the focus.
                 if (auto *name = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s))
                     name->setText(u"anna.flo"_s);
                 static_cast<QDialog *>(dialog)->accept();
             }
         }},
        {"input open dialog", IsFileDialog,
         [](frmMDI *main) {
             Control<QPushButton>(OpenInput(main, FlowerProgram()), "cmdOpen")->click();
         }},
        {"Flower print dialog", IsPrintDialog,
         [](frmMDI *main) {
             Control<QPushButton>(OpenReport(main, FlowerProgram()), "cmdPrint")->click();
         }},
        {"Health print dialog", IsPrintDialog,
         [](frmMDI *main) {
             Control<QPushButton>(OpenReport(main, HealthProgram()), "cmdPrint")->click();
         }},
        {"validation message", IsMessageBox,
         [](frmMDI *main) {
             Control<QPushButton>(OpenInput(main, FlowerProgram()),
                                  qPrintable(FlowerProgram().proceedButton))
                 ->click();
         }},
        {"update reminder", IsMessageBox,
         [](frmMDI *main) {
             AppSettings().setValue(u"Settings"_s, u"Duration"_s,
                                    QDate::currentDate().addDays(-15).toString(Qt::ISODate));
             main->OpenReadingProgram(FlowerProgram().button);
         }},
        {"About box of a program window", IsAboutBox,
         [](frmMDI *main) {
             Control<QAction>(OpenInput(main, FoodProgram()), "mnuAbout")->trigger();
         }},
        {"About box of the main window", IsAboutBox,
         [](frmMDI *main) { Control<QAction>(main, "mnuAbout")->trigger(); }},
    };
    return scenarios;
}

int RunChild(const QString &name)
{
    const Scenario *scenario = nullptr;
    for (const Scenario &candidate : Scenarios()) {
        if (QString::fromLatin1(candidate.name) == name)
            scenario = &candidate;
    }
    if (!scenario)
        return 5;

    // Watches for the dialog, then closes the main window under it, as a
    // logout does.
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&watcher, scenario] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (!scenario->isTheDialog(modal)) {
            if (scenario->answer && modal->property("answered").isNull()) {
                modal->setProperty("answered", true);
                // Answered from the event loop: an answer may open a dialog
                // of its own, which this watcher must still see.
                QTimer::singleShot(0, modal, [scenario, modal] { scenario->answer(modal); });
            }
            return;
        }
        watcher.stop();
        // Shown a moment first, as a person would see it.
        QTimer::singleShot(50, [modal = QPointer<QWidget>(modal)] {
            if (!modal || !modal->isVisible())
                return;
            std::printf("%s%s\n", qPrintable(kClosingMark), modal->metaObject()->className());
            std::fflush(stdout);
            if (frmMDI *main = MainWindow())
                main->close();
        });
    });
    watcher.start();
    // Starbox must end by itself well before this.
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "Starbox did not end\n");
        std::exit(3);
    });
    QTimer::singleShot(0, [scenario] {
        if (frmMDI *main = MainWindow())
            scenario->open(main);
    });
    return RunStarbox(CommandLine());
}

} // namespace

class TestLogout : public QObject
{
    Q_OBJECT
private slots:
    void closingTheMainWindowUnderADialog_data()
    {
        QTest::addColumn<QString>("scenario");
        for (const Scenario &scenario : Scenarios())
            QTest::newRow(scenario.name) << QString::fromLatin1(scenario.name);
    }
    void closingTheMainWindowUnderADialog()
    {
        QFETCH(QString, scenario);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"HOME"_s, home.path());
        environment.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, home.path());
        // No printer of the machine is ever reached.
        environment.insert(u"CUPS_SERVER"_s, home.filePath(u"no-cups-here"_s));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildOption), scenario});
        QVERIFY(child.waitForStarted());
        const bool ended = child.waitForFinished(60000);
        if (!ended)
            child.kill();
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        const QString report = u"\nstdout: "_s + out + u"\nstderr: "_s + err;
        QVERIFY2(ended, qPrintable(u"Starbox did not end"_s + report));
        QVERIFY2(out.contains(kClosingMark), qPrintable(u"the dialog never opened"_s + report));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(u"Starbox crashed"_s + report));
        QVERIFY2(child.exitCode() == 0, qPrintable(u"exit status %1"_s.arg(child.exitCode()) + report));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], kChildOption) == 0) {
        QApplication app(argc, argv);
        return RunChild(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestLogout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logout.moc"
