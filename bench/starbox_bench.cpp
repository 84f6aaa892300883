// SPDX-License-Identifier: GPL-3.0-or-later
// Prints Starbox's speed and memory figures from one run:
//
// - start-up: a QMainWindow holding a QMdiArea, a label and a button (the
//   floor) against frmMDI, each constructed, shown and painted; once cold,
//   in a fresh process as a user starts it, and once warm, again and again
//   in one process;
// - the median reading cycle of each program (open the program,
//   fill the details, Proceed until the display window is shown and filled,
//   Back, Exit), with and without painting the display window, and the
//   99th percentile of the painted cycle, which a user sees as a lag
//   past one frame (16 ms) when it is over;
// - the median compose-and-close cycle of each report window;
// - resident memory before and after a thousand cycles of each.
//
//   QT_QPA_PLATFORM=offscreen build/bench/starbox_bench

#include "frame/clickable_label.h"
#include "frame/program_window.h"
#include "programs/powersign/powersign_program.h"
#include "programs/powersign/powersign_reading.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"
#include "tools/find_control.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QAction>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The time of each of runs runs, in milliseconds.
std::vector<double> TimesMs(int runs, const std::function<void()> &run)
{
    std::vector<double> times;
    times.reserve(std::size_t(runs));
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        Settle();
    }
    return times;
}

double MedianMs(int runs, const std::function<void()> &run)
{
    return Median(TimesMs(runs, run));
}

// The time that 99 runs in 100 stay within.
double Percentile99(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t at = (values.size() * 99 + 99) / 100 - 1; // nearest rank
    return values[std::min(at, values.size() - 1)];
}

double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0)
                             : -1;
}


// A QMainWindow holding a QMdiArea and nothing else: no text at all.
std::unique_ptr<QWidget> BareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setCentralWidget(new QMdiArea);
    window->resize(800, 780);
    return window;
}

// The floor a window with text is held to: the bare window with a label and
// a button, so that it also pays for the font database and the style's
// drawing, as any window with text and a command must.
std::unique_ptr<QWidget> FloorWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Starbox")));
    layout->addWidget(new QPushButton(QStringLiteral("Proceed")));
    layout->addWidget(new QMdiArea, 1);
    window->setCentralWidget(central);
    window->resize(800, 780);
    return window;
}

// Construct, show and paint one window.
void ShowAndPaint(QWidget &window)
{
    window.show();
    QCoreApplication::processEvents();
}

// A child run: from the start of main() to the first window painted.
enum class Start { Bare, Floor, Main };

int ColdStart(int argc, char *argv[], Start start)
{
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    ConfigureApplication();
    std::unique_ptr<QWidget> window = start == Start::Bare    ? BareWindow()
                                      : start == Start::Floor ? FloorWindow()
                                                              : std::make_unique<frmMDI>();
    ShowAndPaint(*window);
    std::printf("%.3f\n", double(timer.nsecsElapsed()) / 1e6);
    return 0;
}

// One child run's time to its first frame, in milliseconds.
double ColdStartMs(const QString &self, const char *which)
{
    QProcess child;
    child.start(self, {QStringLiteral("--cold-start"), QString::fromLatin1(which)});
    child.waitForFinished(30000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

// A program's reading cycle: open the program, fill the details it asks
// for, proceed to the shown and filled display window (where it offers
// pictures to pick, pick one, go back inside, pick another), go back, and
// exit the input window from its File menu.
bool Wanted(const QStringList &only, const ReadingProgramEntry &program)
{
    return only.isEmpty() || std::ranges::any_of(only, [&program](const QString &name) {
               return program.name.contains(name, Qt::CaseInsensitive);
           });
}

const ReadingProgramEntry &ProgramNamed(const char *name)
{
    for (const ReadingProgramEntry *program : ReadingPrograms()) {
        if (program->name.contains(QString::fromLocal8Bit(name), Qt::CaseInsensitive))
            return *program;
    }
    qFatal("no program is called %s", name);
}

// ANNA, or ANNA BERG where the window takes three names, born on 7 March
// 1980 where it asks for a date.
void FillIn(QWidget *input)
{
    if (auto *last = input->findChild<QLineEdit *>(QStringLiteral("txtLastName"))) {
        FindControl<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("ANNA"));
        last->setText(QStringLiteral("BERG"));
    } else if (auto *name = input->findChild<QLineEdit *>(QStringLiteral("txtName"))) {
        name->setText(QStringLiteral("ANNA"));
    } else {
        FindControl<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("ANNA"));
    }
    const struct { const char *name; int index; } date[] = {{"cboDate", 6}, {"cboMonth", 2}, {"cboYear", 80}};
    for (const auto &list : date) {
        if (auto *box = input->findChild<QComboBox *>(QString::fromLatin1(list.name)))
            box->setCurrentIndex(list.index);
    }
}

ProgramWindow *ShowReading(frmMDI &main, const ReadingProgramEntry &program, bool paint)
{
    main.OpenReadingProgram(program.button);
    auto *input = FindControl<ProgramWindow>(&main, program.inputWindow);
    FillIn(input);
    FindControl<QPushButton>(input, program.proceedButton)->click();
    auto *display = FindControl<ProgramWindow>(&main, program.displayWindow);
    if (paint)
        QCoreApplication::processEvents();
    // Where the display offers pictures to pick (Fruit), the reading is a
    // picked one: the first, then back inside, and the last.
    if (const QList<ClickableLabel *> pictures = display->findChildren<ClickableLabel *>(QStringLiteral("picSmallFruit"));
        !pictures.isEmpty()) {
        emit pictures.first()->clicked();
        if (paint)
            QCoreApplication::processEvents();
        FindControl<QPushButton>(display, "cmdResultBack")->click();
        emit pictures.last()->clicked();
        if (paint)
            QCoreApplication::processEvents();
    }
    return display;
}

// Back, then Exit from the input window's File menu, or its close box where
// it has no menu.
void LeaveReading(ProgramWindow *display, ProgramWindow *input)
{
    FindControl<QPushButton>(display, "cmdBack")->click();
    if (auto *exit = input->findChild<QAction *>(QStringLiteral("mnuExit")))
        exit->trigger();
    else
        input->close();
}

void ReadingCycle(frmMDI &main, const ReadingProgramEntry &program, bool paint)
{
    ProgramWindow *display = ShowReading(main, program, paint);
    LeaveReading(display, FindControl<ProgramWindow>(&main, program.inputWindow));
}

// Print on the display window composes the report and shows it; closing it
// brings the display window back.
void ReportCycle(ProgramWindow *display, const QString &reportWindow, bool paint)
{
    FindControl<QPushButton>(display, "cmdPrint")->click();
    auto *report = FindControl<ProgramWindow>(display->mdiArea(), reportWindow);
    if (paint)
        QCoreApplication::processEvents();
    report->close();
}

// The offscreen platform says, for every window shown, what it cannot do;
// those lines would bury the figures.
QtMessageHandler g_standardMessages = nullptr;

void QuietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_standardMessages)
        g_standardMessages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    g_standardMessages = qInstallMessageHandler(QuietPlatform);
    if (argc == 3 && std::strcmp(argv[1], "--cold-start") == 0)
        return ColdStart(argc, argv,
                         std::strcmp(argv[2], "bare") == 0    ? Start::Bare
                         : std::strcmp(argv[2], "floor") == 0 ? Start::Floor
                                                              : Start::Main);

    QApplication app(argc, argv);
    ConfigureApplication();
    // Program names on the command line ("Health", "Power Sign") measure
    // only those programs and their reports; no names measure everything.
    QStringList only;
    for (int i = 1; i < argc && argv[1][0] != '-'; ++i)
        only.append(QString::fromLocal8Bit(argv[i]));
    const auto wanted = [&only](const ReadingProgramEntry &program) { return Wanted(only, program); };
    QStandardPaths::setTestModeEnabled(true); // the update reminder must not touch real settings
    const QString self = QCoreApplication::applicationFilePath();

    if (only.isEmpty()) {
    // The three starts take turns, so that a machine that grows busier or
    // quieter during the run weighs on each alike.
    constexpr int kColdRuns = 21;
    std::vector<double> bare, floor, mainWindow;
    for (int i = 0; i < kColdRuns; ++i) {
        bare.push_back(ColdStartMs(self, "bare"));
        floor.push_back(ColdStartMs(self, "floor"));
        mainWindow.push_back(ColdStartMs(self, "main"));
    }
    const double coldBare = Median(bare);
    const double coldFloor = Median(floor);
    const double coldMain = Median(mainWindow);
    std::printf("start-up, cold (fresh process to first frame, median of %d): floor (a "
                "QMainWindow holding a QMdiArea, a label and a button) %.2f ms, frmMDI %.2f ms, "
                "ratio %.2f; bare window without text %.2f ms\n",
                kColdRuns, coldFloor, coldMain, coldMain / coldFloor, coldBare);

    constexpr int kWarmRuns = 30;
    const double warmFloor = MedianMs(kWarmRuns, [] { ShowAndPaint(*FloorWindow()); });
    const double warmMain = MedianMs(kWarmRuns, [] {
        frmMDI window;
        ShowAndPaint(window);
    });
    std::printf("start-up, warm (again in one process, median of %d): floor %.2f ms, "
                "frmMDI %.2f ms, ratio %.2f\n",
                kWarmRuns, warmFloor, warmMain, warmMain / warmFloor);
    }

    frmMDI main;
    main.show();
    Settle();

    // "--cycles NAME COUNT" only runs that many reading cycles of one
    // program ("--painted-cycles" with the display's first paint), and
    // "--report-cycles NAME COUNT" that many of its report, and prints
    // nothing, for a profiler to watch.
    if (argc == 4 && (std::strcmp(argv[1], "--cycles") == 0 || std::strcmp(argv[1], "--painted-cycles") == 0
                      || std::strcmp(argv[1], "--report-cycles") == 0)) {
        const ReadingProgramEntry &cycle = ProgramNamed(argv[2]);
        const int count = std::atoi(argv[3]);
        if (argv[1][2] != 'r') {
            for (int i = 0; i < count; ++i) {
                ReadingCycle(main, cycle, argv[1][2] == 'p');
                Settle();
            }
        } else {
            if (cycle.reportWindow.isEmpty())
                qFatal("%s has no report window", qPrintable(cycle.name));
            ProgramWindow *display = ShowReading(main, cycle, true);
            for (int i = 0; i < count; ++i) {
                ReportCycle(display, cycle.reportWindow, false);
                Settle();
            }
        }
        return 0;
    }
    for (const ReadingProgramEntry *each : ReadingPrograms()) {
        const ReadingProgramEntry &cycle = *each;
        if (!wanted(cycle))
            continue;
        for (int i = 0; i < 50; ++i) { // warm caches, fonts and pictures first
            ReadingCycle(main, cycle, true);
            Settle();
        }
        const double bare = MedianMs(200, [&] { ReadingCycle(main, cycle, false); });
        const std::vector<double> painted = TimesMs(200, [&] { ReadingCycle(main, cycle, true); });
        std::printf("%s reading cycle: median %.3f ms, %.3f ms with the display's first paint "
                    "(p99 %.3f ms; 200 cycles each)\n",
                    qPrintable(cycle.name), bare, Median(painted), Percentile99(painted));
    }

    // The programs with a report window.
    for (const ReadingProgramEntry *each : ReadingPrograms()) {
        const ReadingProgramEntry &cycle = *each;
        if (cycle.reportWindow.isEmpty() || !wanted(cycle))
            continue;
        ProgramWindow *display = ShowReading(main, cycle, true);
        for (int i = 0; i < 20; ++i) {
            ReportCycle(display, cycle.reportWindow, true);
            Settle();
        }
        const double bare = MedianMs(200, [&] { ReportCycle(display, cycle.reportWindow, false); });
        const double painted = MedianMs(200, [&] { ReportCycle(display, cycle.reportWindow, true); });
        std::printf("%s report compose-and-close: median %.3f ms, %.3f ms with its first paint "
                    "(200 cycles each)\n",
                    qPrintable(cycle.name), bare, painted);
        const double before = ResidentMiB();
        for (int i = 0; i < 1000; ++i) {
            ReportCycle(display, cycle.reportWindow, true);
            Settle();
        }
        std::printf("resident memory: %.2f MiB before, %.2f MiB after 1000 %s report cycles (%+.2f MiB)\n",
                    before, ResidentMiB(), qPrintable(cycle.name), ResidentMiB() - before);
        LeaveReading(display, FindControl<ProgramWindow>(&main, cycle.inputWindow));
        Settle();
    }

    // FindPowerSign over every day of the table, in one pass.
    if (wanted(PowerSignProgram())) {
        QElapsedTimer timer;
        timer.start();
        int days = 0;
        int found = 0;
        for (QDate d(1900, 1, 1); d <= QDate(2022, 12, 31); d = d.addDays(1)) {
            found += FindPowerSign(d.day(), MonthNames().at(d.month() - 1), d.year()) ? 1 : 0;
            ++days;
        }
        std::printf("FindPowerSign over every day 1900-2022: %d of %d days found in %.2f ms\n", found,
                    days, double(timer.nsecsElapsed()) / 1e6);
    }

    for (const ReadingProgramEntry *each : ReadingPrograms()) {
        const ReadingProgramEntry &cycle = *each;
        if (!wanted(cycle))
            continue;
        const double before = ResidentMiB();
        for (int i = 0; i < 1000; ++i) {
            ReadingCycle(main, cycle, true);
            Settle();
        }
        const double after = ResidentMiB();
        std::printf("resident memory: %.2f MiB before, %.2f MiB after 1000 %s cycles (%+.2f MiB)\n",
                    before, after, qPrintable(cycle.name), after - before);
    }
    return 0;
}
