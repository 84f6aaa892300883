// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in every window of every program: where the focus is when a
// window opens, the order that Tab takes, and Alt with a caption's letter.

#include "frame/clickable_label.h"
#include "frame/program_window.h"
#include "shell/window_mnemonics.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "programs/financial/financial_program.h"
#include "programs/food/food_program.h"
#include "programs/powersign/powersign_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString NameOf(const QWidget *widget)
{
    return widget ? widget->objectName() : u"nothing"_s;
}

// The controls that Tab visits from the focus widget until it comes back,
// each once: a report box takes several presses for its links.
QList<QWidget *> TabCycle()
{
    QWidget *start = QApplication::focusWidget();
    QList<QWidget *> cycle{start};
    for (int press = 0; start && press < 200; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (!now)
            return {};
        if (now == start && cycle.size() > 1)
            return cycle;
        if (now != cycle.last())
            cycle.append(now);
    }
    return {}; // Tab never came back
}

QRect PlaceIn(const QWidget *window, const QWidget *control)
{
    return {control->mapTo(window, QPoint(0, 0)), control->size()};
}

// Whether b reads after a: on a later line, on the same line and not to
// its left, or at the top of the next column, wholly to its right.
bool ReadsAfter(const QRect &a, const QRect &b)
{
    if (b.top() >= a.bottom() - 2 || b.left() >= a.right())
        return true;
    const bool sameLine = b.top() < a.bottom() && a.top() < b.bottom();
    return sameLine && b.left() >= a.left();
}

bool IsBrandOffer(const QWidget *control)
{
    return control->objectName() == u"lblCobrand"_s || control->objectName() == u"lblFullBrand"_s;
}

// Tab from the focus stays in the window and takes its controls in reading
// order from the top left, with a program window's brand offers last; the
// problems found, one line each.
QStringList TabOrderProblems(QWidget *window)
{
    QList<QWidget *> cycle = TabCycle();
    if (cycle.isEmpty())
        return {window->objectName() + u": Tab does not come back"_s};
    QStringList problems;
    for (QWidget *control : cycle) {
        if (!window->isAncestorOf(control))
            problems.append(window->objectName() + u": Tab leaves the window for "_s + NameOf(control));
    }
    const auto first = std::min_element(cycle.begin(), cycle.end(), [window](QWidget *a, QWidget *b) {
        const QRect p = PlaceIn(window, a), q = PlaceIn(window, b);
        return std::pair{p.top(), p.left()} < std::pair{q.top(), q.left()};
    });
    std::rotate(cycle.begin(), first, cycle.end());
    const bool programWindow = qobject_cast<ProgramWindow *>(window) != nullptr;
    // The full-brand offer comes last; the co-brand offer it covers cannot
    // be seen and is no stop at all.
    if (programWindow && (cycle.size() < 3 || cycle.last()->objectName() != u"lblFullBrand"_s))
        problems.append(window->objectName() + u": the full-brand offer is not last"_s);
    for (QWidget *control : cycle) {
        if (control->objectName() == u"lblCobrand"_s)
            problems.append(window->objectName() + u": Tab reaches the covered co-brand offer"_s);
    }
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        if (programWindow && IsBrandOffer(cycle[i]))
            continue;
        if (!ReadsAfter(PlaceIn(window, cycle[i - 1]), PlaceIn(window, cycle[i])))
            problems.append(window->objectName() + u": Tab goes back from "_s + NameOf(cycle[i - 1]) + u" to "_s
                            + NameOf(cycle[i]));
    }
    return problems;
}

// Sees the timer that ends a button's animated click.
struct TimerWatch : QObject
{
    explicit TimerWatch(QObject *watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        fired |= event->type() == QEvent::Timer;
        return false;
    }
    bool fired = false;
};

// Closes the open menu as a user would, with Escape, and leaves the menu
// bar too. Offscreen, a menu stays the desktop's active window once it is
// hidden, so the main window asks to be the active one again.
void CloseMenu()
{
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    QWidget *main = popup->parentWidget()->window();
    QTest::keyClick(popup, Qt::Key_Escape);
    if (auto *bar = qobject_cast<QMenuBar *>(QApplication::focusWidget()))
        QTest::keyClick(bar, Qt::Key_Escape);
    main->activateWindow();
    if (!QTest::qWaitFor([main] { return QGuiApplication::focusWindow() == main->windowHandle(); }, 1000))
        qWarning("the main window did not become active again");
}

// Alt with the letter of each of the window's buttons presses that button,
// and with the letter of each menu title that no button takes opens that
// menu; F10 opens the first menu. The problems found, one line each.
QStringList MnemonicProblems(ProgramWindow *window, QWidget *home)
{
    QStringList problems;
    const auto fail = [&](const QString &what) { problems.append(window->objectName() + u": "_s + what); };
    QString lettersTaken;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QChar letter = MnemonicOf(button->text());
        if (!button->isVisible() || letter.isNull())
            continue;
        lettersTaken.append(letter);
        home->setFocus();
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QTest::keyClick(home, letter.toLatin1(), Qt::AltModifier);
        if (pressed.count() != 1)
            fail(u"Alt+"_s + letter + u" does not press "_s + button->objectName());
        // The press ends with a click a moment later, on the button's timer;
        // what the button does is not for here.
        const QSignalBlocker quiet(button);
        TimerWatch click(button);
        if (!QTest::qWaitFor([&click] { return click.fired; }, 1000))
            fail(button->objectName() + u" is never clicked"_s);
    }

    auto *bar = window->findChild<QMenuBar *>();
    if (!bar || !bar->isVisible())
        return problems;
    const auto opens = [&](const QString &keyName, auto press, QMenu *menu) {
        home->setFocus();
        press();
        if (!QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }, 1000))
            fail(keyName + u" does not open "_s + menu->title());
        CloseMenu();
    };
    for (QAction *title : bar->actions()) {
        const QChar letter = MnemonicOf(title->text());
        if (title->menu() && !letter.isNull() && !lettersTaken.contains(letter))
            opens(u"Alt+"_s + letter, [&] { QTest::keyClick(home, letter.toLatin1(), Qt::AltModifier); },
                  title->menu());
    }
    opens(u"F10"_s, [&] { QTest::keyClick(home, Qt::Key_F10); }, bar->actions().first()->menu());
    return problems;
}

// All three checks on a window that has just opened, starting from the
// focus it opened with.
QStringList KeyboardProblems(ProgramWindow *window, bool input)
{
    QWidget *opening = QApplication::focusWidget();
    if (!opening || !window->isAncestorOf(opening))
        return {window->objectName() + u" opens with the focus on "_s + NameOf(opening)};
    QStringList problems;
    const auto *label = qobject_cast<ClickableLabel *>(opening);
    if (input ? qobject_cast<QLineEdit *>(opening) == nullptr : label && label->kind() == ClickableLabel::Kind::Link)
        problems.append(window->objectName() + u" opens with the focus on "_s + NameOf(opening));
    problems += TabOrderProblems(window);
    problems += MnemonicProblems(window, opening);
    opening->setFocus();
    return problems;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void mnemonicOf_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("letter");
        QTest::newRow("first") << u"&File"_s << u"F"_s;
        QTest::newRow("inside, in capitals") << u"E&xit"_s << u"X"_s;
        QTest::newRow("none") << u"Male"_s << QString();
        QTest::newRow("an ampersand shown") << u"Pacts && Contracts"_s << QString();
        QTest::newRow("after one shown") << u"Pacts && &Contracts"_s << u"C"_s;
        QTest::newRow("at the end") << u"Exit&"_s << QString();
        QTest::newRow("a digit") << u"Page &2"_s << u"2"_s;
    }
    void mnemonicOf()
    {
        QFETCH(QString, caption);
        QFETCH(QString, letter);
        const QChar found = MnemonicOf(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), letter);
    }

    // Through the input, display and report windows of every program.
    void everyWindow_data()
    {
        QTest::addColumn<int>("program");
        for (const ReadingProgramEntry *program : ReadingPrograms())
            QTest::newRow(qPrintable(program->name)) << program->button;
    }
    void everyWindow()
    {
        QFETCH(int, program);
        MessageWatcher messages;
        ProgramDriver driver{ReadingProgramAt(program)};
        QSignalSpy mainExit(driver.main().findChild<QPushButton *>(u"cmdMdiExit"_s), &QAbstractButton::pressed);
        QStringList problems = KeyboardProblems(driver.input(), true);

        if (auto *female = driver.inInput<QRadioButton>("optFemale"))
            female->setChecked(true);
        for (QLineEdit *box : driver.input()->findChildren<QLineEdit *>())
            box->setText(u"ANNA"_s);
        if (driver.inInput<QComboBox>("cboDate"))
            driver.enterDate(1, u"June"_s, 1980);
        driver.proceed();
        QVERIFY2(messages.seen().isEmpty(), qPrintable(messages.texts().join(u' ')));
        QVERIFY(driver.display());
        problems += KeyboardProblems(driver.display(), false);
        if (driver.inDisplay<QPushButton>("cmdPrint")) {
            QVERIFY(driver.openReport());
            problems += KeyboardProblems(driver.report(), false);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QCOMPARE(mainExit.count(), 0);
    }

    // The main window: Tab reads through the selector's buttons and
    // captions, and the headings above them are no stops.
    void mainWindowReadsInOrder()
    {
        ProgramDriver driver{FoodProgram()};
        driver.input()->close();
        QTRY_VERIFY(driver.selectorVisible());
        QPushButton *first = nullptr;
        for (QPushButton *button : driver.main().findChildren<QPushButton *>(u"cmdSelectOption"_s)) {
            if (!first && button->isVisible())
                first = button;
        }
        QVERIFY(first);
        first->setFocus();
        QCOMPARE(QApplication::focusWidget(), first);
        const QStringList problems = TabOrderProblems(&driver.main());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        for (QWidget *stop : TabCycle()) {
            QVERIFY(stop->isVisible());
            // The banner strip holds the banner link and is no stop itself.
            QVERIFY(stop->objectName() != u"Picture6"_s);
            QVERIFY2(stop->property("index").toInt() >= 3 || stop->objectName() != u"lblCaption"_s,
                     qPrintable(stop->property("index").toString()));
        }
    }

    // What the letters do, end to end.
    void lettersRunTheWindowsOwnCommands()
    {
        MessageWatcher messages;
        ProgramDriver food{FoodProgram()};
        food.enterNames(u"ANNA"_s, QString(), u"BERG"_s);
        QTest::keyClick(food.inInput("txtFirstName"), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(food.display());
        QVERIFY(messages.seen().isEmpty());

        // The Exit of Zodiac Power Sign closes that program, not Starbox.
        ProgramDriver power{PowerSignProgram()};
        QTest::keyClick(power.inInput("txtName"), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!power.input());
        QVERIFY(power.main().isVisible());
        QVERIFY(power.selectorVisible());
    }

    void f10OpensTheFirstMenuOfTheWindow()
    {
        ProgramDriver food{FoodProgram()};
        QTest::keyClick(food.inInput("txtFirstName"), Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->title(), u"&File"_s);
        QVERIFY(food.input()->isAncestorOf(menu->parentWidget()));
        CloseMenu();

        // Financial's input window has no menu bar: the main window's opens.
        ProgramDriver financial{FinancialProgram()};
        QTest::keyClick(financial.inInput("txtName"), Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), u"mnuFile"_s);
        QCOMPARE(menu->parentWidget(), financial.main().menuBar());
        CloseMenu();
    }

    // Alt pressed and let go on its own takes the keys to the menu bar of
    // the window in use, and to the main one only when it has none.
    void altAloneGoesToTheWindowsMenuBar()
    {
        ProgramDriver food{FoodProgram()};
        QWidget *name = food.inInput("txtFirstName");
        QTest::keyPress(name, Qt::Key_Alt);
        QTest::keyRelease(name, Qt::Key_Alt);
        auto *bar = qobject_cast<QMenuBar *>(QApplication::focusWidget());
        QVERIFY(bar);
        QVERIFY(food.input()->isAncestorOf(bar));
        QVERIFY(bar->activeAction());
        QCOMPARE(bar->activeAction()->text(), u"&File"_s);
        QVERIFY(!food.main().menuBar()->activeAction());
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), name);

        ProgramDriver financial{FinancialProgram()};
        name = financial.inInput("txtName");
        QTest::keyPress(name, Qt::Key_Alt);
        QTest::keyRelease(name, Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), financial.main().menuBar());
        QTest::keyClick(financial.main().menuBar(), Qt::Key_Escape);
    }

    // The rules on their own: the window in use before the main window, and
    // a letter that two buttons share moving the focus between them.
    void lettersStayInTheWindowInUse()
    {
        QMainWindow main;
        QMenu *mainFile = main.menuBar()->addMenu(u"&File"_s);
        mainFile->addAction(u"E&xit"_s);
        QMenu *mainHelp = main.menuBar()->addMenu(u"&Help"_s);
        mainHelp->addAction(u"&About"_s);
        auto *area = new QMdiArea;
        main.setCentralWidget(area);
        new WindowMnemonics(main.menuBar(), &main);

        auto *content = new QWidget;
        auto *find = new QPushButton(u"&Find"_s, content);
        auto *save = new QPushButton(u"&Save"_s, content);
        auto *send = new QPushButton(u"&Send"_s, content);
        auto *column = new QVBoxLayout(content);
        for (QWidget *button : {find, save, send})
            column->addWidget(button);
        QMdiSubWindow *window = area->addSubWindow(content);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        window->show();
        find->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), find);

        QSignalSpy found(find, &QAbstractButton::clicked);
        QTest::keyClick(find, Qt::Key_F, Qt::AltModifier);
        QVERIFY(!QApplication::activePopupWidget());
        QTRY_COMPARE(found.count(), 1);

        QSignalSpy saved(save, &QAbstractButton::clicked);
        QSignalSpy sent(send, &QAbstractButton::clicked);
        QTest::keyClick(find, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), save);
        QTest::keyClick(save, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), send);
        QTest::keyClick(send, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), save);
        QTest::qWait(150);
        QCOMPARE(saved.count() + sent.count(), 0);

        // A letter the window lacks goes on to the main window.
        QTest::keyClick(save, Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), mainHelp);
        CloseMenu();
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
