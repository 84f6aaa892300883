// Prints Starbox's speed and memory figures from one run: the start-up
// floor of a bare MDI main window against the real main window, the median
// reading cycle of each finished program, and resident memory before and
// after a thousand cycles.

#include "core/program_window.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"
#include "shell/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double MedianMs(int runs, const std::function<void()> &run)
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
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

template <typename T>
T *Find(QWidget *root, const char *name)
{
    T *found = root->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Open Food, fill the details, proceed to the shown and filled display
// window, go back, and exit the input window.
void FoodCycle(frmMDI &main)
{
    main.OpenReadingProgram(int(ReadingProgram::Food));
    auto *input = Find<ProgramWindow>(&main, "frmFoodAstrologyMain");
    Find<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("ANNA"));
    Find<QLineEdit>(input, "txtLastName")->setText(QStringLiteral("BERG"));
    Find<QComboBox>(input, "cboDate")->setCurrentIndex(6);
    Find<QComboBox>(input, "cboMonth")->setCurrentIndex(2);
    Find<QComboBox>(input, "cboYear")->setCurrentIndex(80);
    Find<QPushButton>(input, "cmdNext")->click();
    auto *display = Find<ProgramWindow>(&main, "frmFoodAstrologyDisplay");
    QCoreApplication::processEvents();
    Find<QPushButton>(display, "cmdBack")->click();
    Find<QPushButton>(input, "cmdExit")->click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    constexpr int kStartRuns = 30;

    const double floor = MedianMs(kStartRuns, [] {
        QMainWindow window;
        window.setCentralWidget(new QMdiArea);
        window.resize(800, 780);
        window.show();
        QCoreApplication::processEvents();
    });
    const double mainWindow = MedianMs(kStartRuns, [] {
        frmMDI window;
        window.show();
        QCoreApplication::processEvents();
    });
    std::printf("start-up: bare QMainWindow+QMdiArea %.2f ms, frmMDI %.2f ms, ratio %.2f\n",
                floor, mainWindow, mainWindow / floor);

    frmMDI main;
    main.show();
    Settle();
    for (int i = 0; i < 50; ++i) { // warm caches, fonts and pictures first
        FoodCycle(main);
        Settle();
    }
    std::printf("Food reading cycle: median %.3f ms over 200\n",
                MedianMs(200, [&] { FoodCycle(main); }));

    const double before = ResidentMiB();
    for (int i = 0; i < 1000; ++i) {
        FoodCycle(main);
        Settle();
    }
    const double after = ResidentMiB();
    std::printf("resident memory: %.2f MiB before, %.2f MiB after 1000 Food cycles (%+.2f MiB)\n",
                before, after, after - before);
    return 0;
}
