// What a screen reader is told, in every window of every program: each
// input control has a name, and each picture a description.

#include "core/program_window.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The name a screen reader gives a control. A list's accessible name is its
// current entry on Linux, where the reader finds its caption through the
// list's own name instead.
QString AccessibleName(QWidget *widget)
{
    if (qobject_cast<QComboBox *>(widget))
        return widget->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every input control of a window has a name, and every picture shown in
// it a description; the problems found, one line each.
QStringList Unnamed(QWidget *window)
{
    QStringList problems;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window))
            continue;
        const bool input = qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)
                           || qobject_cast<QAbstractButton *>(control) || qobject_cast<QPlainTextEdit *>(control);
        if (input && qobject_cast<QPlainTextEdit *>(control) == nullptr && AccessibleName(control).trimmed().isEmpty())
            problems.append(window->objectName() + u": no name for "_s + control->objectName());
        auto *picture = qobject_cast<QLabel *>(control);
        if (picture && !picture->pixmap().isNull() && picture->accessibleDescription().isEmpty())
            problems.append(window->objectName() + u": no description for "_s + picture->objectName());
    }
    return problems;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyWindow_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("proceed");
        QTest::addColumn<bool>("threeNames");
        for (int i = 0; i < kReadingProgramCount; ++i) {
            const ReadingProgram program = ReadingProgram(i);
            const bool three = program == ReadingProgram::Food || program == ReadingProgram::Gift
                               || program == ReadingProgram::Fashion || program == ReadingProgram::Fruit;
            const bool proceed = program == ReadingProgram::Financial || program == ReadingProgram::Travel
                                 || program == ReadingProgram::Flower;
            QTest::newRow(qPrintable(ReadingProgramAt(i).name))
                << i << (proceed ? u"cmdProceed"_s : u"cmdNext"_s) << three;
        }
    }
    void everyWindow()
    {
        QFETCH(int, program);
        QFETCH(QString, proceed);
        QFETCH(bool, threeNames);
        MessageWatcher messages;
        ProgramDriver driver{ReadingProgram(program)};
        QVERIFY2(Unnamed(driver.input()).isEmpty(), qPrintable(Unnamed(driver.input()).join(u'\n')));

        if (auto *female = driver.inInput<QRadioButton>("optFemale"))
            female->setChecked(true);
        if (threeNames) {
            driver.inInput<QLineEdit>("txtFirstName")->setText(u"ANNA"_s);
            if (auto *last = driver.inInput<QLineEdit>("txtLastName"))
                last->setText(u"BERG"_s);
        } else {
            driver.inInput<QLineEdit>("txtName")->setText(u"ANNA"_s);
        }
        if (driver.inInput<QComboBox>("cboDate"))
            driver.enterDate(1, u"June"_s, 1980);
        driver.proceed(qPrintable(proceed));
        QVERIFY2(messages.seen().isEmpty(), qPrintable(messages.texts().join(u' ')));
        QVERIFY(driver.display());
        QVERIFY2(Unnamed(driver.display()).isEmpty(), qPrintable(Unnamed(driver.display()).join(u'\n')));

        // The fruit pictures, small and large.
        if (ReadingProgram(program) == ReadingProgram::Fruit) {
            const auto small = driver.display()->findChildren<QLabel *>(u"picSmallFruit"_s);
            QCOMPARE(small.size(), 12);
            QCOMPARE(small.first()->accessibleDescription(), u"An apple"_s);
        }
        if (driver.inDisplay<QPushButton>("cmdPrint")) {
            QVERIFY(driver.openReport());
            QVERIFY2(Unnamed(driver.report()).isEmpty(), qPrintable(Unnamed(driver.report()).join(u'\n')));
        }
        // The main window's own pictures too.
        QVERIFY2(Unnamed(&driver.main()).isEmpty(), qPrintable(Unnamed(&driver.main()).join(u'\n')));
    }

    // Enter in the name box runs the window's proceed command; on a focused
    // button it presses that button.
    void enterProceeds_data() { everyWindow_data(); }
    void enterProceeds()
    {
        QFETCH(int, program);
        QFETCH(bool, threeNames);
        MessageWatcher messages;
        ProgramDriver driver{ReadingProgram(program)};
        if (auto *female = driver.inInput<QRadioButton>("optFemale"))
            female->setChecked(true);
        QLineEdit *name = driver.inInput<QLineEdit>(threeNames ? "txtFirstName" : "txtName");
        if (threeNames) {
            if (auto *last = driver.inInput<QLineEdit>("txtLastName"))
                last->setText(u"BERG"_s);
        }
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
    // offers at its bottom.
    void brandOffersComeLast_data() { everyWindow_data(); }
    void brandOffersComeLast()
    {
        QFETCH(int, program);
        ProgramDriver driver{ReadingProgram(program)};
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
        QCOMPARE(stops.mid(stops.size() - 2), (QStringList{u"lblCobrand"_s, u"lblFullBrand"_s}));
        QCOMPARE(stops.count(u"lblCobrand"_s) + stops.count(u"lblFullBrand"_s), 2);
    }

    // The fruit pictures are reached with Tab, and Space chooses one.
    void fruitIsChosenWithTheKeyboard()
    {
        ProgramDriver fruit{ReadingProgram::Fruit};
        fruit.inInput<QLineEdit>("txtFirstName")->setText(u"ANNA"_s);
        fruit.proceed("cmdNext");
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

    void picturesSayWhatTheyShow()
    {
        ProgramDriver flower{ReadingProgram::Flower};
        flower.read(u"ANNA"_s, 1, u"August"_s, 1980, "cmdProceed");
        QCOMPARE(flower.inDisplay<QLabel>("picFlower")->accessibleDescription(), u"A sunflower"_s);
        ProgramDriver financial{ReadingProgram::Financial};
        financial.read(u"ANNA"_s, 1, u"June"_s, 1980, "cmdProceed");
        QCOMPARE(financial.inDisplay<QLabel>("picSign")->accessibleDescription(), u"The sign of Gemini"_s);
        QCOMPARE(AccessibleName(financial.inDisplay("txtElement")), u"Element"_s);
    }

    void inputsAreNamedAsTheirCaptions()
    {
        ProgramDriver health{ReadingProgram::Health};
        QCOMPARE(AccessibleName(health.inInput("txtName")), u"Name"_s);
        QCOMPARE(AccessibleName(health.inInput("cboDate")), u"Date"_s);
        QCOMPARE(AccessibleName(health.inInput("cboMonth")), u"Month"_s);
        QCOMPARE(AccessibleName(health.inInput("cboYear")), u"Year"_s);
        ProgramDriver food{ReadingProgram::Food};
        QCOMPARE(AccessibleName(food.inInput("txtFirstName")), u"First Name"_s);
        QCOMPARE(AccessibleName(food.inInput("txtMiddleName")), u"Middle Name"_s);
        QCOMPARE(AccessibleName(food.inInput("txtLastName")), u"Last Name"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
