// Walks through the main window and every finished program window and saves
// a picture of each state, so that the look can be reviewed by eye.

#include "shell/frmMDI.h"
#include "tools/find_control.h"
#include "shell/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
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


} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    g_out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    g_out.mkpath(QStringLiteral("."));

    frmMDI main;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        qWarning("main window not exposed");
    Save(&main, QStringLiteral("main"));

    main.OpenReadingProgram(2); // Food
    auto *input = FindControl<QWidget>(&main, "frmFoodAstrologyMain");
    Save(&main, QStringLiteral("food-input"));
    QTest::keyClicks(FindControl<QLineEdit>(input, "txtFirstName"), QStringLiteral("anna"));
    QTest::keyClicks(FindControl<QLineEdit>(input, "txtLastName"), QStringLiteral("berg"));
    FindControl<QComboBox>(input, "cboDate")->setCurrentIndex(6);
    FindControl<QComboBox>(input, "cboMonth")->setCurrentIndex(2);
    FindControl<QComboBox>(input, "cboYear")->setCurrentIndex(80);
    Save(&main, QStringLiteral("food-input-filled"));
    FindControl<QPushButton>(input, "cmdNext")->click();
    auto *display = FindControl<QWidget>(&main, "frmFoodAstrologyDisplay");
    auto *tabs = FindControl<QTabWidget>(display, "SSTab1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        Save(&main, QStringLiteral("food-display-tab%1").arg(tab + 1));
    }

    // The About box is modal: take its picture from inside its own loop.
    QTimer::singleShot(300, [] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            Save(about, QStringLiteral("about"));
            about->close();
        }
    });
    main.showAbout(&main);

    main.OpenReadingProgram(8); // Travel, still to come
    Save(&main, QStringLiteral("pending-program"));
    return 0;
}
