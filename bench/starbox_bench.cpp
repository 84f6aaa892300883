// SPDX-License-Identifier: GPL-3.0-or-later
// Prints Starbox's speed and memory figures from one run:
//
// - start-up: a bare window (bare_window.cpp) against frmMDI, the whole
//   process timed from its start to the window's first paint, as a user
//   starts it;
// - the median reading cycle of each program (open the program,
//   fill the details, Proceed until the display window is shown and filled,
//   Back, Exit), with and without painting the display window, and the
//   99th percentile of the painted cycle, which a user sees as a lag
//   past one frame (16 ms) when it is over;
// - the median compose-and-close cycle of each report window;
// - resident memory before and after 1,000 and 10,000 cycles of each
//   (Qt's pixmap cache is bounded, so growth that stops by 10,000 cycles
//   is the cache filling, not a leak).
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
#include <QLineEdit>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QAction>

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


// Construct, show and paint one window.
void ShowAndPaint(QWidget &window)
{
    window.show();
    QCoreApplication::processEvents();
}

// A child run: start Starbox's application, show and paint its main
// window, and say so on standard output, as bare_window.cpp does for the
// bare window.
int ColdStart(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    frmMDI window;
    ShowAndPaint(window);
    std::puts("painted");
    std::fflush(stdout);
    return 0;
}

// One program's time from its start, dynamic linking and all, to its first
// window painted, in milliseconds.
double ColdStartMs(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    if (!child.waitForReadyRead(30000))
        qFatal("%s did not paint", qPrintable(program));
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    return ms;
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

// Resident memory before a run of cycles and its growth after 1,000 and
// after 10,000 of them.
void PrintMemoryGrowth(const QString &what, const std::function<void()> &cycle)
{
    const double before = ResidentMiB();
    double afterThousand = before;
    for (int i = 1; i <= 10000; ++i) {
        cycle();
        Settle();
        if (i == 1000)
            afterThousand = ResidentMiB();
    }
    std::printf("resident memory over %s cycles: %.2f MiB before, %+.2f MiB after 1,000, "
                "%+.2f MiB after 10,000\n",
                qPrintable(what), before, afterThousand - before, ResidentMiB() - before);
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

// Start-up of the bare window and of the main window.
void PrintStartUp()
{
    const QString self = QCoreApplication::applicationFilePath();
    const QString bareProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/starbox_bench_bare");
    // The two starts take turns, so that a machine that grows busier or
    // quieter during the run weighs on each alike.
    constexpr int kColdRuns = 101;
    std::vector<double> bare, mainWindow;
    for (int i = 0; i < kColdRuns; ++i) {
        bare.push_back(ColdStartMs(bareProgram, {}));
        mainWindow.push_back(ColdStartMs(self, {QStringLiteral("--cold-start")}));
    }
    const double coldBare = Median(bare);
    const double coldMain = Median(mainWindow);
    std::printf("start-up (whole process, start to first paint, median of %d): bare window "
                "(a Qt Widgets program showing a QMainWindow with a QMdiArea, a label and a button) "
                "%.2f ms, frmMDI %.2f ms, ratio %.2f\n",
                kColdRuns, coldBare, coldMain, coldMain / coldBare);
}

} // namespace

int main(int argc, char *argv[])
{
    g_standardMessages = qInstallMessageHandler(QuietPlatform);
    if (argc == 2 && std::strcmp(argv[1], "--cold-start") == 0)
        return ColdStart(argc, argv);

    QApplication app(argc, argv);
    ConfigureApplication();
    // Program names on the command line ("Health", "Power Sign") measure
    // only those programs and their reports; no names measure everything.
    // "--speed" before them leaves out start-up and the memory runs.
    const bool speedOnly = argc > 1 && std::strcmp(argv[1], "--speed") == 0;
    QStringList only;
    if (speedOnly || (argc > 1 && argv[1][0] != '-')) {
        for (int i = speedOnly ? 2 : 1; i < argc; ++i)
            only.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto wanted = [&only](const ReadingProgramEntry &program) { return Wanted(only, program); };
    QStandardPaths::setTestModeEnabled(true); // the update reminder must not touch real settings

    // "--start-up" measures only the start.
    const bool startUpOnly = argc == 2 && std::strcmp(argv[1], "--start-up") == 0;
    if (argc == 1 || startUpOnly)
        PrintStartUp();
    if (startUpOnly)
        return 0;

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
        // The 99th percentile of 200 runs would be their second slowest.
        const std::vector<double> painted = TimesMs(1000, [&] { ReadingCycle(main, cycle, true); });
        std::printf("%s reading cycle: median %.3f ms (200 cycles), %.3f ms with the display's "
                    "first paint (p99 %.3f ms; 1000 cycles)\n",
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
        if (!speedOnly)
            PrintMemoryGrowth(cycle.name + QStringLiteral(" report"),
                              [&] { ReportCycle(display, cycle.reportWindow, true); });
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
        if (!wanted(cycle) || speedOnly)
            continue;
        PrintMemoryGrowth(cycle.name + QStringLiteral(" reading"), [&] { ReadingCycle(main, cycle, true); });
    }
    return 0;
}
