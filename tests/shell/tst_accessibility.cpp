// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard side of what a screen reader user relies on, in every
// program: Enter proceeds, Tab ends on the brand offer that can be seen,
// the fruit pictures are chosen with Space. What a screen reader reads of
// each window is read from the real accessibility bus by
// tst_screen_reader.py.

#include "frame/program_window.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "helpers/url_catcher.h"
#include "programs/fruit/fruit_program.h"
#include "programs/travel/travel_program.h"
#include "reports/report_links.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

using namespace Qt::StringLiterals;

namespace {

// One row for each program.
void AddProgramRows()
{
    QTest::addColumn<int>("program");
    for (const ReadingProgramEntry *program : ReadingPrograms())
        QTest::newRow(qPrintable(program->name)) << program->button;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    // Enter in the name box runs the window's proceed command; on a focused
    // button it presses that button.
    void enterProceeds_data() { AddProgramRows(); }
    void enterProceeds()
    {
        QFETCH(int, program);
        MessageWatcher messages;
        ProgramDriver driver{ReadingProgramAt(program)};
        if (auto *female = driver.inInput<QRadioButton>("optFemale"))
            female->setChecked(true);
        const QStringList boxes = NameBoxesOf(driver.input());
        QLineEdit *name = driver.inInput<QLineEdit>(qPrintable(boxes.first()));
        if (boxes.contains(u"txtLastName"_s))
            driver.inInput<QLineEdit>("txtLastName")->setText(u"BERG"_s);
        name->setFocus();
        QTest::keyClicks(name, u"anna"_s);
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY2(messages.seen().isEmpty(), qPrintable(messages.texts().join(u' ')));
        QVERIFY(driver.display());
        QVERIFY(!driver.input()->isVisible());

        // Back, then Enter on the focused Exit or Open button presses it.
        if (auto *back = driver.inDisplay<QPushButton>("cmdBack")) {
            back->click();
            auto *exit = driver.inInput<QPushButton>("cmdExit");
            if (!exit)
                return;
            exit->setFocus();
            QTest::keyClick(exit, Qt::Key_Enter);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!driver.input());
            QVERIFY(!driver.display());
        }
    }

    // Tab runs through a program window's own controls before the brand
    // offer at its bottom; the co-brand offer that it covers is no stop.
    void brandOffersComeLast_data() { AddProgramRows(); }
    void brandOffersComeLast()
    {
        QFETCH(int, program);
        ProgramDriver driver{ReadingProgramAt(program)};
        ProgramWindow *window = driver.input();
        QStringList stops;
        QWidget *step = window;
        for (int guard = 0; guard < 10000; ++guard) {
            step = step->nextInFocusChain();
            if (step == window)
                break;
            if (window->isAncestorOf(step) && (step->focusPolicy() & Qt::TabFocus) && step->isVisibleTo(window))
                stops.append(step->objectName());
        }
        QVERIFY(stops.size() > 3);
        QCOMPARE(stops.last(), u"lblFullBrand"_s);
        QCOMPARE(stops.count(u"lblFullBrand"_s), 1);
        QCOMPARE(stops.count(u"lblCobrand"_s), 0);
    }

    // The fruit pictures are reached with Tab, and Space chooses one.
    void fruitIsChosenWithTheKeyboard()
    {
        ProgramDriver fruit{FruitProgram()};
        fruit.inInput<QLineEdit>("txtFirstName")->setText(u"ANNA"_s);
        fruit.proceed();
        QWidget *display = fruit.display();
        QVERIFY(display);
        const auto pictures = display->findChildren<QLabel *>(u"picSmallFruit"_s);
        QLabel *pear = nullptr;
        for (QLabel *picture : pictures) {
            QVERIFY(picture->focusPolicy() & Qt::TabFocus);
            if (picture->property("index").toInt() == 11)
                pear = picture;
        }
        QVERIFY(pear);
        pear->setFocus(Qt::TabFocusReason);
        QTest::keyClick(pear, Qt::Key_Space);
        QTRY_VERIFY(!pear->isVisible());
        bool pearShown = false;
        for (QLabel *label : display->findChildren<QLabel *>())
            pearShown |= label->isVisible() && label->accessibleDescription() == u"A pear"_s;
        QVERIFY(pearShown);
    }

    // The addresses in a report are reached with Tab from the report box,
    // and Enter opens the one reached.
    void reportAddressesOpenWithTheKeyboard()
    {
        UrlCatcher browser;
        ProgramDriver travel{TravelProgram()};
        travel.read(u"ANNA"_s, 1, u"June"_s, 1980);
        QVERIFY(travel.openReport());
        auto *box = travel.report()->findChild<QTextBrowser *>(u"RTB"_s);
        QVERIFY(box);
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(box->hasFocus());
        const QTextCursor reached = box->textCursor();
        QVERIFY(reached.hasSelection());
        QVERIFY(reached.charFormat().isAnchor());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(browser.opened.size(), 1);
        QCOMPARE(browser.opened.first(), ReportLinkAddress(reached.selectedText()));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
