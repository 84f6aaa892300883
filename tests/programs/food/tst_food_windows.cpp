// Food Astrology through its real windows inside the main window.

#include "core/frame/program_window.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "programs/food/food_reading.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFoodWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        m_food = std::make_unique<ProgramDriver>(ReadingProgram::Food);
        m_main = &m_food->main();
        m_input = m_food->input();
        QVERIFY(m_input);
    }
    void cleanup() { m_food.reset(); }

    void inputWindow()
    {
        QCOMPARE(m_input->windowTitle(), u"Orla Food Astrology"_s);
        QCOMPARE(button("cmdNext")->text(), u"Get My &Food Astrology Reading"_s);
        QCOMPARE(button("cmdExit")->text(), u"E&xit"_s);
        QCOMPARE(m_input->findChild<QAction *>(u"mnuNext"_s)->text(), u"Get My Food Astrology Reading"_s);
        QCOMPARE(m_input->findChild<QAction *>(u"mnuUpdate"_s)->text(), u"&Check for Software Update"_s);
        QCOMPARE(list("cboDate")->currentText(), u"1"_s);
        QCOMPARE(list("cboMonth")->currentText(), u"January"_s);
        QCOMPARE(list("cboYear")->currentText(), u"1900"_s);
        QCOMPARE(list("cboYear")->count(), 151);
    }

    void validation_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("both names empty") << QString() << QString() << 1 << u"January"_s << 1980
                                          << u"Please Enter Your First Name"_s << u"txtFirstName"_s;
        QTest::newRow("last name empty") << u"ANNA"_s << QString() << 1 << u"January"_s << 1980
                                         << u"Please Enter Your Last Name"_s << u"txtLastName"_s;
        QTest::newRow("29 February 1901") << u"A"_s << u"B"_s << 29 << u"February"_s << 1901
                                          << u"Please Enter Correct Date Or Month!"_s << u"cmdNext"_s;
        QTest::newRow("30 February 2000") << u"A"_s << u"B"_s << 30 << u"February"_s << 2000
                                          << u"Please Enter Correct Date Or Month!"_s << u"cmdNext"_s;
        QTest::newRow("31 April") << u"A"_s << u"B"_s << 31 << u"April"_s << 1980
                                  << u"Please Enter Correct Date Or Month !"_s << u"cmdNext"_s;
    }
    void validation()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MessageWatcher messages;
        enter(first, QString(), last, day, month, year);
        button("cmdNext")->setFocus();
        button("cmdNext")->click();
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.seen().first().icon, QMessageBox::Information);
        QCOMPARE(messages.seen().first().title, u"Starbox"_s);
        QVERIFY(m_main->focusWidget());
        QCOMPARE(m_main->focusWidget()->objectName(), focus);
        QVERIFY(m_input->isVisible());
        QVERIFY(!m_main->findChild<QWidget *>(u"frmFoodAstrologyDisplay"_s));
        QCOMPARE(box("txtFirstName")->text(), first); // entries kept
        QCOMPARE(list("cboDate")->currentText(), QString::number(day));
    }

    void acceptedDates_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("pizza");
        QTest::newRow("29 February 1900") << 29 << u"February"_s << 1900 << pizzaOf(SunSign::Pisces);
        QTest::newRow("29 February 2000") << 29 << u"February"_s << 2000 << pizzaOf(SunSign::Pisces);
        QTest::newRow("blank names pass") << 1 << u"May"_s << 2050 << pizzaOf(SunSign::Taurus);
    }
    void acceptedDates()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, pizza);
        MessageWatcher messages;
        enter(u" "_s, QString(), u" "_s, day, month, year);
        button("cmdNext")->click();
        QVERIFY(messages.seen().isEmpty());
        QCOMPARE(display()->findChild<QLabel *>(u"lblPizza"_s)->text(), pizza);
    }

    // Both sides of the cusp in every month, through the real lists.
    void cuspDays_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("sign");
        using S = SunSign;
        const struct { const char *month; int cusp; S before; S from; } rows[] = {
            {"January", 20, S::Capricorn, S::Aquarius},   {"February", 19, S::Aquarius, S::Pisces},
            {"March", 21, S::Pisces, S::Aries},           {"April", 21, S::Aries, S::Taurus},
            {"May", 21, S::Taurus, S::Gemini},            {"June", 21, S::Gemini, S::Cancer},
            {"July", 21, S::Cancer, S::Leo},              {"August", 21, S::Leo, S::Virgo},
            {"September", 21, S::Virgo, S::Libra},        {"October", 21, S::Libra, S::Scorpio},
            {"November", 21, S::Scorpio, S::Sagittarius}, {"December", 21, S::Sagittarius, S::Capricorn},
        };
        for (const auto &r : rows) {
            const QString month = QString::fromLatin1(r.month);
            QTest::addRow("%s %d", r.month, r.cusp - 1) << r.cusp - 1 << month << SignIndex(r.before);
            QTest::addRow("%s %d", r.month, r.cusp) << r.cusp << month << SignIndex(r.from);
        }
    }
    void cuspDays()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, sign);
        enter(u"ANNA"_s, QString(), u"BERG"_s, day, month, 1984);
        button("cmdNext")->click();
        QCOMPARE(display()->findChild<QLabel *>(u"lblPizza"_s)->text(), pizzaOf(SignAt(sign)));
    }

    void displayedFields()
    {
        enter(u"ANNA"_s, u"MARIA"_s, u"BERG"_s, 25, u"March"_s, 1980); // Aries
        m_input->findChild<QAction *>(u"mnuNext"_s)->trigger();
        QWidget *shown = display();
        const FoodReading aries = BuildFoodReading(SunSign::Aries);
        const auto label = [shown](const char *name) {
            return shown->findChild<QLabel *>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(shown->windowTitle(), u"Orla Food Astrology"_s);
        QCOMPARE(label("lblPizza"), RowText(aries.row.pizza));
        QCOMPARE(label("lblSnacks"), RowText(aries.row.snacks));
        QCOMPARE(label("lblCocktails"), RowText(aries.row.cocktails));
        QCOMPARE(label("lblIceCream"), RowText(aries.row.iceCream));
        QCOMPARE(label("lblFoodForSoul"), RowText(aries.row.foodForSoul));
        QCOMPARE(label("lblEatingHabits"), RowText(aries.row.eatingHabits));
        QCOMPARE(label("lblRecipe"), u"Beet Salad"_s);
        auto *tabs = shown->findChild<QTabWidget *>(u"SSTab1"_s);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), u"Food Astrology Profile"_s);
        QCOMPARE(tabs->tabText(1), u"Eating Habits"_s);
        QCOMPARE(tabs->tabText(2), u"Astrology Recipes"_s);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!m_main->findChild<QWidget *>(u"picMain"_s)->isVisible());
        QVERIFY(!m_input->isVisible());

        auto *ingredients = OnItsTab(shown->findChild<QPlainTextEdit *>(u"txtIngredient"_s));
        auto *preparation = OnItsTab(shown->findChild<QPlainTextEdit *>(u"txtPreparation"_s));
        QVERIFY(ingredients->isReadOnly() && preparation->isReadOnly());
        QCOMPARE(ingredients->toPlainText(), RowText(aries.row.ingredients));
        QCOMPARE(preparation->toPlainText(), RowText(aries.row.preparation));
        QCOMPARE(preparation->document()->blockCount(), 3); // two paragraphs, a blank line between
        QCOMPARE(preparation->document()->findBlockByNumber(1).text(), QString());
    }

    void backRestoresTheEntries()
    {
        enter(u"ANNA"_s, u"MARIA"_s, u"BERG"_s, 7, u"March"_s, 1980);
        button("cmdNext")->click();
        QPointer<QWidget> shown = display();
        shown->findChild<QPushButton *>(u"cmdBack"_s)->click();
        QTRY_VERIFY(shown.isNull());
        QVERIFY(m_input->isVisible());
        QVERIFY(!m_main->findChild<QWidget *>(u"picMain"_s)->isVisible());
        QCOMPARE(box("txtFirstName")->text(), u"ANNA"_s);
        QCOMPARE(box("txtMiddleName")->text(), u"MARIA"_s);
        QCOMPARE(box("txtLastName")->text(), u"BERG"_s);
        QCOMPARE(list("cboDate")->currentText(), u"7"_s);
        QCOMPARE(list("cboMonth")->currentText(), u"March"_s);
        QCOMPARE(list("cboYear")->currentText(), u"1980"_s);

        // A second reading from the same input window.
        list("cboMonth")->setCurrentText(u"July"_s);
        button("cmdNext")->click();
        QCOMPARE(display()->findChild<QLabel *>(u"lblPizza"_s)->text(), pizzaOf(SunSign::Cancer));
        display()->findChild<QAction *>(u"mnuBack"_s)->trigger();
        QVERIFY(m_input->isVisible());
    }

    void exitReturnsToTheSelector()
    {
        enter(u"ANNA"_s, QString(), u"BERG"_s, 7, u"March"_s, 1980);
        button("cmdNext")->click();
        QPointer<QWidget> shown = display();
        shown->findChild<QAction *>(u"mnuExit"_s)->trigger();
        QTRY_VERIFY(shown.isNull());
        QVERIFY(m_main->findChild<QWidget *>(u"picMain"_s)->isVisible());
        QVERIFY(!m_input->isVisible());
        // Choosing Food again opens a fresh input window.
        QPointer<ProgramWindow> old = m_input;
        m_main->OpenReadingProgram(int(ReadingProgram::Food));
        QTRY_VERIFY(old.isNull());
        m_input = m_main->findChild<ProgramWindow *>(u"frmFoodAstrologyMain"_s);
        QCOMPARE(box("txtFirstName")->text(), QString());
        QCOMPARE(list("cboDate")->currentText(), u"1"_s);
        QCOMPARE(list("cboMonth")->currentText(), u"January"_s);
        QCOMPARE(list("cboYear")->currentText(), u"1900"_s);
    }

    void inputExitReturnsToTheSelector()
    {
        QPointer<ProgramWindow> input = m_input;
        button("cmdExit")->click();
        QTRY_VERIFY(input.isNull());
        QVERIFY(m_main->findChild<QWidget *>(u"picMain"_s)->isVisible());
    }

    void keyFilterInEveryNameBox_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << u"txtFirstName"_s;
        QTest::newRow("middle") << u"txtMiddleName"_s;
        QTest::newRow("last") << u"txtLastName"_s;
    }
    void keyFilterInEveryNameBox()
    {
        QFETCH(QString, name);
        MessageWatcher messages;
        auto *nameBox = m_input->findChild<QLineEdit *>(name);
        QTest::keyClicks(nameBox, u"a"_s);
        QCOMPARE(nameBox->text(), u"A"_s);
        QTest::keyClicks(nameBox, u"1"_s);
        QTRY_COMPARE(messages.texts(), QStringList{u"Please Enter Only Alphabet"_s});
        QCOMPARE(nameBox->text(), u"A"_s);
    }

private:
    static QString pizzaOf(SunSign sign) { return RowText(BuildFoodReading(sign).row.pizza); }

    QPushButton *button(const char *name) const
    {
        return m_input->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QLineEdit *box(const char *name) const
    {
        return m_input->findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QComboBox *list(const char *name) const
    {
        return m_input->findChild<QComboBox *>(QString::fromLatin1(name));
    }
    QWidget *display() const { return m_food->display(); }

    void enter(const QString &first, const QString &middle, const QString &last, int day,
               const QString &month, int year)
    {
        m_food->enterNames(first, middle, last);
        m_food->enterDate(day, month, year);
    }

    std::unique_ptr<ProgramDriver> m_food;
    frmMDI *m_main = nullptr;
    ProgramWindow *m_input = nullptr;
};

QTEST_MAIN(TestFoodWindows)
#include "tst_food_windows.moc"
