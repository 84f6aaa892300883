// SPDX-License-Identifier: GPL-3.0-or-later
// A report window is modal inside the main window, in each of the four
// report programs: its display window stays on screen behind it, and
// neither that window nor the main window's program buttons, captions and
// menus take the mouse or the keyboard until the report closes.

#include "frame/program_window.h"
#include "shell/window_mnemonics.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "programs/financial/financial_program.h"
#include "programs/flower/flower_program.h"
#include "programs/food/food_program.h"
#include "programs/health/health_program.h"
#include "programs/travel/travel_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A click where a person would make it: at the control's place in the main
// window, delivered to the main window as the desktop delivers it.
void ClickAt(QWidget *main, QWidget *control)
{
    // As a person does, scrolled into sight first on a small screen, once
    // the windows have settled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (auto *scroller = main->findChild<QScrollArea *>())
        scroller->ensureWidgetVisible(control, 0, 0);
    const QPoint place = control->mapTo(main, control->rect().center());
    QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, place);
}

// The darkest ink with which a menu bar draws each of its titles, by the
// title's objectName (a menu title takes its menu's name), as the bar is
// shown on screen.
QHash<QString, int> TitleInk(QMenuBar *bar)
{
    const QImage picture = bar->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    QHash<QString, int> ink;
    for (QAction *title : bar->actions()) {
        const QRect place = bar->actionGeometry(title);
        const QRect pixels(QPoint(qRound(place.left() * ratio), qRound(place.top() * ratio)),
                           QPoint(qRound(place.right() * ratio), qRound(place.bottom() * ratio)));
        int darkest = 255;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (picture.rect().contains(x, y))
                    darkest = std::min(darkest, qGray(picture.pixel(x, y)));
            }
        }
        const QString name = title->menu() ? title->menu()->objectName() : title->objectName();
        ink.insert(name, darkest);
    }
    return ink;
}

// One row for each program with a report, for the main window and for the
// program's display window behind it.
void AddReportProgramRows()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<bool>("mainWindow");
    const struct { const ReadingProgramEntry &program; const char *name; } programs[] = {
        {FinancialProgram(), "Financial"},
        {TravelProgram(), "Travel"},
        {FlowerProgram(), "Flower"},
        {HealthProgram(), "Health"}};
    for (const auto &entry : programs) {
        QTest::addRow("%s main window", entry.name) << entry.program.button << true;
        QTest::addRow("%s display window", entry.name) << entry.program.button << false;
    }
}

// The palette role that holds the colour in which a control writes its text.
QPalette::ColorRole TextRole(const QWidget *control)
{
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QAbstractScrollArea *>(control))
        return QPalette::Text;
    return control->foregroundRole();
}

// The controls of a window that show a text of their own and are on screen.
QList<QWidget *> TextControls(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        bool text = false;
        if (auto *label = qobject_cast<QLabel *>(control))
            text = !label->text().isEmpty() && label->pixmap().isNull();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            text = !button->text().isEmpty();
        else if (auto *line = qobject_cast<QLineEdit *>(control))
            text = !line->text().isEmpty();
        else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
            text = !box->toPlainText().isEmpty();
        else if (auto *box = qobject_cast<QTextEdit *>(control))
            text = !box->toPlainText().isEmpty();
        if (text)
            found.append(control);
    }
    return found;
}

// Whether a picture has a pixel of this colour, give or take a little.
bool Shows(const QImage &picture, const QColor &colour)
{
    constexpr int kTolerance = 8;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) <= kTolerance
                && std::abs(pixel.green() - colour.green()) <= kTolerance
                && std::abs(pixel.blue() - colour.blue()) <= kTolerance)
                return true;
        }
    }
    return false;
}

QString Describe(const QWidget *control)
{
    return QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName()
           + u" \""_s + control->property("text").toString().left(30) + u'"';
}

QPushButton *SelectorButton(frmMDI &main, const ReadingProgramEntry &program)
{
    for (QPushButton *button : main.findChildren<QPushButton *>(u"cmdSelectOption"_s)) {
        if (button->property("index").toInt() == program.button)
            return button;
    }
    return nullptr;
}

} // namespace

class TestReportModal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void reportIsModal_data()
    {
        QTest::addColumn<int>("program");
        QTest::newRow("Financial") << FinancialProgram().button;
        QTest::newRow("Travel") << TravelProgram().button;
        QTest::newRow("Flower") << FlowerProgram().button;
        QTest::newRow("Health") << HealthProgram().button;
    }
    void reportIsModal()
    {
        QFETCH(int, program);
        MessageWatcher messages;
        ProgramDriver driver{ReadingProgramAt(program)};
        frmMDI &main = driver.main();
        driver.read(u"ANNA"_s, 1, u"June"_s, 1990);
        ProgramWindow *display = driver.display();
        QVERIFY(display);
        ProgramWindow *report = driver.openReport();
        QVERIFY(report);

        // The display stays on screen, behind the report.
        QVERIFY(display->isVisible());
        QCOMPARE(main.programArea()->activeSubWindow(), report);
        QCOMPARE(main.programArea()->subWindowList(QMdiArea::StackingOrder).last(), report);
        QVERIFY(QApplication::focusWidget() && report->isAncestorOf(QApplication::focusWidget()));

        // The mouse: the display's Back and Exit, another program's button
        // in the main window, the main window's menu bar and its Exit.
        QPushButton *food = SelectorButton(main, FoodProgram());
        QVERIFY(food && food->isVisible());
        QWidget *fileTitle = main.menuBar();
        for (QWidget *control : {static_cast<QWidget *>(driver.inDisplay<QPushButton>("cmdBack")),
                                 static_cast<QWidget *>(driver.inDisplay<QPushButton>("cmdExit")),
                                 static_cast<QWidget *>(food),
                                 main.findChild<QWidget *>(u"cmdMdiExit"_s)}) {
            QVERIFY(control);
            ClickAt(&main, control);
            QTest::qWait(20);
            QVERIFY2(driver.report() == report, qPrintable(control->objectName()));
            QVERIFY2(driver.display() == display, qPrintable(control->objectName()));
            QVERIFY(main.isVisible());
        }
        const QRect fileRect = main.menuBar()->actionGeometry(main.menuBar()->actions().first());
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                          fileTitle->mapTo(&main, fileRect.center()));
        QTest::qWait(20);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!main.findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s));

        // The keyboard: no letter but the report's own reaches another
        // window, nor F10, nor Alt on its own, nor the area's window keys.
        QString own;
        for (QAbstractButton *button : report->findChildren<QAbstractButton *>())
            own.append(MnemonicOf(button->text()));
        QWidget *focus = QApplication::focusWidget();
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (own.contains(QLatin1Char(letter)))
                continue;
            QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
            QTest::qWait(5);
            QVERIFY2(!QApplication::activePopupWidget(), &letter);
            QVERIFY2(driver.report() == report && driver.display() == display && main.isVisible(), &letter);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTest::qWait(5);
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt);
        QVERIFY(!qobject_cast<QMenuBar *>(QApplication::focusWidget()));
        for (const auto &[key, modifiers] : {std::pair{Qt::Key_Tab, Qt::ControlModifier},
                                            std::pair{Qt::Key_F6, Qt::ControlModifier}}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QTest::qWait(5);
            QCOMPARE(main.programArea()->activeSubWindow(), report);
        }
        QCOMPARE(QApplication::focusWidget(), focus);
        QVERIFY(!main.findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s));
        QVERIFY2(messages.seen().isEmpty(), qPrintable(messages.texts().join(u' ')));

        // Closing the report gives everything back.
        report->close();
        QTRY_VERIFY(!driver.report());
        QCOMPARE(main.programArea()->activeSubWindow(), display);
        ClickAt(&main, driver.inDisplay<QPushButton>("cmdBack"));
        QTRY_VERIFY(!driver.display());
        QVERIFY(driver.input()->isVisible());
        ClickAt(&main, food);
        QTRY_VERIFY(main.findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s));
    }

    // With the rest of Starbox waiting, the keyboard can close the report.
    void reportClosesFromTheKeyboard_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
        QTest::newRow("Ctrl+F4") << QKeySequence(Qt::CTRL | Qt::Key_F4);
    }
    void reportClosesFromTheKeyboard()
    {
        QFETCH(QKeySequence, keys);
        ProgramDriver driver{TravelProgram()};
        driver.read(u"ANNA"_s, 1, u"June"_s, 1990);
        ProgramWindow *display = driver.display();
        QVERIFY(driver.openReport());
        QVERIFY(!display->isEnabled());
        QTest::keySequence(QApplication::focusWidget(), keys);
        QTRY_VERIFY(!driver.report());
        QCOMPARE(driver.display(), display);
        QVERIFY(display->isEnabled());
        QCOMPARE(driver.main().programArea()->activeSubWindow(), display);
    }

    // Behind a report every title of a menu bar is drawn alike, as out of
    // reach: the always unavailable "Make Money Online" too, which must not
    // stand out as the one title still to be chosen.
    void menuTitlesGreyBehindReport_data() { AddReportProgramRows(); }
    void menuTitlesGreyBehindReport()
    {
        QFETCH(int, program);
        QFETCH(bool, mainWindow);
        ProgramDriver driver{ReadingProgramAt(program)};
        frmMDI &main = driver.main();
        driver.read(u"ANNA"_s, 1, u"June"_s, 1990);
        ProgramWindow *display = driver.display();
        QVERIFY(display);
        QMenuBar *bar = mainWindow ? main.menuBar() : display->findChild<QMenuBar *>();
        QVERIFY(bar && bar->isVisible());

        // Without a report, File is drawn darker than the unavailable title.
        const QHash<QString, int> before = TitleInk(bar);
        QCOMPARE(before.size(), 3);
        QVERIFY2(before.value(u"mnuFile"_s) < before.value(u"mkmoney"_s),
                 qPrintable(u"File %1, Make Money Online %2"_s.arg(before.value(u"mnuFile"_s))
                                .arg(before.value(u"mkmoney"_s))));

        QVERIFY(driver.openReport());
        QTest::qWait(20);
        const QHash<QString, int> behind = TitleInk(bar);
        const QString inks = u"File %1, Help %2, Make Money Online %3"_s.arg(behind.value(u"mnuFile"_s))
                                 .arg(behind.value(u"mnuHelp"_s)).arg(behind.value(u"mkmoney"_s));
        QVERIFY2(behind.value(u"mnuFile"_s) > before.value(u"mnuFile"_s), qPrintable(inks));
        QVERIFY2(behind.value(u"mnuHelp"_s) == behind.value(u"mnuFile"_s), qPrintable(inks));
        QVERIFY2(behind.value(u"mkmoney"_s) == behind.value(u"mnuFile"_s), qPrintable(inks));
        // The way it looked without the report: "Make Money Online" stays
        // just as it was.
        QVERIFY2(behind.value(u"mkmoney"_s) == before.value(u"mkmoney"_s), qPrintable(inks));

        driver.report()->close();
        QTRY_VERIFY(!driver.report());
        QTest::qWait(20);
        QCOMPARE(TitleInk(bar), before);
    }

    // Behind a report no control of the main window or of the display window
    // writes its text in the colour it has when it can be used: each takes
    // the style's colour for unavailable text, as the menu titles do, so
    // that none looks as if it could still be chosen. Closing the report
    // gives every control its own colours back.
    void controlsGreyBehindReport_data() { AddReportProgramRows(); }
    void controlsGreyBehindReport()
    {
        QFETCH(int, program);
        QFETCH(bool, mainWindow);
        ProgramDriver driver{ReadingProgramAt(program)};
        driver.read(u"ANNA"_s, 1, u"June"_s, 1990);
        ProgramWindow *display = driver.display();
        QVERIFY(display);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // as it settles on screen
        QWidget *window = mainWindow ? static_cast<QWidget *>(&driver.main()) : display;
        QList<QWidget *> controls;
        for (QWidget *control : TextControls(window)) {
            if (mainWindow && display->isAncestorOf(control))
                continue; // the display window's row
            controls.append(control);
        }
        QVERIFY(controls.size() >= 3);

        struct Seen { QPointer<QWidget> control; QColor ink; QImage usable; };
        QList<Seen> seen;
        for (QWidget *control : std::as_const(controls)) {
            const QColor ink = control->palette().color(QPalette::Active, TextRole(control));
            const QImage usable = control->grab().toImage();
            QVERIFY2(Shows(usable, ink), qPrintable(Describe(control)));
            seen.append({control, ink, usable});
        }

        QVERIFY(driver.openReport());
        QStringList looksUsable;
        for (const Seen &item : std::as_const(seen)) {
            QVERIFY(item.control && !item.control->isEnabled());
            const QColor unavailable =
                QApplication::palette(item.control).color(QPalette::Disabled, TextRole(item.control));
            if (item.ink == unavailable)
                continue; // written in that grey anyway
            if (Shows(item.control->grab().toImage(), item.ink))
                looksUsable.append(Describe(item.control) + u" in "_s + item.ink.name());
        }
        QVERIFY2(looksUsable.isEmpty(), qPrintable(looksUsable.join(u", "_s)));

        driver.report()->close();
        QTRY_VERIFY(!driver.report());
        for (const Seen &item : std::as_const(seen)) {
            QVERIFY(item.control && item.control->isEnabled());
            QVERIFY2(item.control->grab().toImage() == item.usable, qPrintable(Describe(item.control)));
        }
    }

    // A logout closes the main window with the report still open.
    void mainWindowClosesUnderTheReport()
    {
        ProgramDriver driver{FlowerProgram()};
        driver.read(u"ANNA"_s, 1, u"June"_s, 1990);
        QVERIFY(driver.openReport());
        QVERIFY(driver.main().close());
        QVERIFY(!driver.main().isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(driver.main().programArea()->subWindowList().isEmpty());
    }
};

QTEST_MAIN(TestReportModal)
#include "tst_report_modal.moc"
