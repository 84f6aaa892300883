// SPDX-License-Identifier: GPL-3.0-or-later
// Food Astrology through its real windows inside the main window: the dates
// it accepts, the sign at every cusp, and what its display shows. What the
// frame gives every program is tested in tests/frame.

#include "frame/program_window.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "programs/food/food_program.h"
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
        m_food = std::make_unique<ProgramDriver>(FoodProgram());
        m_main = &m_food->main();
        m_input = m_food->input();
        QVERIFY(m_input);
    }
    void cleanup() { m_food.reset(); }

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
        QCOMPARE(label("lblPizza"), RowText(aries.row.favourites[FoodFavourite::Pizza]));
        QCOMPARE(label("lblSnacks"), RowText(aries.row.favourites[FoodFavourite::Snacks]));
        QCOMPARE(label("lblCocktails"), RowText(aries.row.favourites[FoodFavourite::Cocktails]));
        QCOMPARE(label("lblIceCream"), RowText(aries.row.favourites[FoodFavourite::IceCream]));
        QCOMPARE(label("lblFoodForSoul"), RowText(aries.row.favourites[FoodFavourite::FoodForSoul]));
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

    // Back, another month, Proceed: the reading follows the new date.
    void anotherMonthAfterBack()
    {
        enter(u"ANNA"_s, u"MARIA"_s, u"BERG"_s, 7, u"March"_s, 1980);
        button("cmdNext")->click();
        QCOMPARE(display()->findChild<QLabel *>(u"lblPizza"_s)->text(), pizzaOf(SunSign::Pisces));
        display()->findChild<QAction *>(u"mnuBack"_s)->trigger();
        list("cboMonth")->setCurrentText(u"July"_s);
        button("cmdNext")->click();
        QCOMPARE(display()->findChild<QLabel *>(u"lblPizza"_s)->text(), pizzaOf(SunSign::Cancer));
    }

private:
    static QString pizzaOf(SunSign sign)
    {
        return RowText(BuildFoodReading(sign).row.favourites[FoodFavourite::Pizza]);
    }

    QPushButton *button(const char *name) const
    {
        return m_input->findChild<QPushButton *>(QString::fromLatin1(name));
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
