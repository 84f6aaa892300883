// SPDX-License-Identifier: GPL-3.0-or-later
// The reading core without widgets: signs, cusp days, date checks, the
// common validations, the name key rule and the fixed tables' rows.

#include "core/details_check.h"
#include "core/fixed_table.h"
#include "core/name_filter.h"
#include "core/sun_sign.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Meal { Breakfast, Lunch, Dinner };
using Meals = TextGroup<Meal, 3>;

} // namespace

class TestReadingCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void signNamesInZodiacOrder()
    {
        const QStringList expected{u"Aries"_s, u"Taurus"_s, u"Gemini"_s, u"Cancer"_s,
                                   u"Leo"_s, u"Virgo"_s, u"Libra"_s, u"Scorpio"_s,
                                   u"Sagittarius"_s, u"Capricorn"_s, u"Aquarius"_s,
                                   u"Pisces"_s};
        QStringList names;
        for (int i = 0; i < kSignCount; ++i)
            names.append(SignName(SignAt(i)));
        QCOMPARE(names, expected);
        for (int i = 0; i < kSignCount; ++i)
            QCOMPARE(SignIndexOf(expected.at(i)), i);
        // Found by the exact name only.
        for (const QString &other : {u"aries"_s, u"Aries "_s, u"ARIES"_s, QString(), u"Ophiuchus"_s})
            QCOMPARE(SignIndexOf(other), -1);
    }

    void monthIndex_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("index");
        QTest::newRow("January") << u"January"_s << 0;
        QTest::newRow("December") << u"December"_s << 11;
        QTest::newRow("lower case is no month") << u"january"_s << -1;
        QTest::newRow("empty") << QString() << -1;
    }
    void monthIndex()
    {
        QFETCH(QString, month);
        QFETCH(int, index);
        QCOMPARE(MonthIndex(month), index);
    }

    // Both sides of every cusp, under the common table.
    void sunSignAtCusps_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sign");
        const struct { const char *month; int cusp; const char *before; const char *from; } rows[] = {
            {"January", 20, "Capricorn", "Aquarius"}, {"February", 19, "Aquarius", "Pisces"},
            {"March", 21, "Pisces", "Aries"},         {"April", 21, "Aries", "Taurus"},
            {"May", 21, "Taurus", "Gemini"},          {"June", 21, "Gemini", "Cancer"},
            {"July", 21, "Cancer", "Leo"},            {"August", 21, "Leo", "Virgo"},
            {"September", 21, "Virgo", "Libra"},      {"October", 21, "Libra", "Scorpio"},
            {"November", 21, "Scorpio", "Sagittarius"},
            {"December", 21, "Sagittarius", "Capricorn"},
        };
        for (const auto &r : rows) {
            const QString month = QString::fromLatin1(r.month);
            QTest::addRow("%s 1", r.month) << month << 1 << QString::fromLatin1(r.before);
            QTest::addRow("%s %d", r.month, r.cusp - 1) << month << r.cusp - 1
                                                       << QString::fromLatin1(r.before);
            QTest::addRow("%s %d", r.month, r.cusp) << month << r.cusp << QString::fromLatin1(r.from);
            QTest::addRow("%s 31", r.month) << month << 31 << QString::fromLatin1(r.from);
        }
    }
    void sunSignAtCusps()
    {
        QFETCH(QString, month);
        QFETCH(int, day);
        QFETCH(QString, sign);
        QCOMPARE(SignName(SunSignFor(month, day, kStandardCuspTable)), sign);
    }

    void sunSignFollowsTheTableGiven()
    {
        CuspTable early = kStandardCuspTable;
        early[7] = 5; // August
        QCOMPARE(SunSignFor(u"August"_s, 5, early), SunSign::Virgo);
        QCOMPARE(SunSignFor(u"August"_s, 5, kStandardCuspTable), SunSign::Leo);
    }

    void dayOfMonth_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("fault");
        const int none = int(DateFault::None), feb = int(DateFault::February),
                  thirty = int(DateFault::ThirtyFirst);
        QTest::newRow("29 Feb 1900, divisible by 4") << 29 << 1 << 1900 << none;
        QTest::newRow("29 Feb 2000") << 29 << 1 << 2000 << none;
        QTest::newRow("29 Feb 1901") << 29 << 1 << 1901 << feb;
        QTest::newRow("28 Feb 1901") << 28 << 1 << 1901 << none;
        QTest::newRow("30 Feb 2000") << 30 << 1 << 2000 << feb;
        QTest::newRow("31 Feb 2004") << 31 << 1 << 2004 << feb;
        QTest::newRow("31 April") << 31 << 3 << 1980 << thirty;
        QTest::newRow("31 June") << 31 << 5 << 1980 << thirty;
        QTest::newRow("31 September") << 31 << 8 << 1980 << thirty;
        QTest::newRow("31 November") << 31 << 10 << 1980 << thirty;
        QTest::newRow("30 April") << 30 << 3 << 1980 << none;
        QTest::newRow("31 March") << 31 << 2 << 1980 << none;
        QTest::newRow("31 December") << 31 << 11 << 1980 << none;
    }
    void dayOfMonth()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, fault);
        QCOMPARE(int(CheckDayOfMonth(day, month, year)), fault);
    }

    void singleNameValidation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("focus");
        const int stop = int(MessageIcon::Stop), info = int(MessageIcon::Information);
        const int nameBox = int(DetailsField::Name), unchanged = int(DetailsField::Unchanged);
        QTest::newRow("valid") << u"ANNA"_s << 7 << u"March"_s << 1980 << QString() << 0 << 0;
        QTest::newRow("blanks are empty") << u"   "_s << 7 << u"March"_s << 1980
                                          << u"Please Enter Your Name"_s << stop << nameBox;
        QTest::newRow("name first, then date") << QString() << 31 << u"April"_s << 1980
                                               << u"Please Enter Your Name"_s << stop << nameBox;
        QTest::newRow("February") << u"A"_s << 29 << u"February"_s << 1901
                                  << u"Please Enter Correct Date Or Month!"_s << info << unchanged;
        QTest::newRow("31 April") << u"A"_s << 31 << u"April"_s << 1980
                                  << u"Please Enter Correct Date Or Month !"_s << info << unchanged;
    }
    void singleNameValidation()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(int, icon);
        QFETCH(int, focus);
        Person details;
        details.name = name;
        details.day = day;
        details.month = month;
        details.year = year;
        const auto problem = ValidateDetails(details);
        QCOMPARE(problem.has_value(), !message.isEmpty());
        if (problem) {
            QCOMPARE(problem->message, message);
            QCOMPARE(int(problem->icon), icon);
            QCOMPARE(int(problem->focus), focus);
        }
    }

    void threeNameValidation_data()
    {
        QTest::addColumn<ThreeNameEntry>("entry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        const ThreeNameEntry good{u"ANNA"_s, QString(), u"BERG"_s, u"7"_s, u"March"_s, u"1980"_s};
        auto with = [&](auto change) { ThreeNameEntry e = good; change(e); return e; };
        QTest::newRow("valid, no middle name") << good << QString() << 0;
        QTest::newRow("blank names pass") << with([](auto &e) { e.firstName = e.lastName = u"  "_s; })
                                          << QString() << 0;
        QTest::newRow("first and last empty: first only")
            << with([](auto &e) { e.firstName.clear(); e.lastName.clear(); })
            << u"Please Enter Your First Name"_s << int(DetailsField::FirstName);
        QTest::newRow("last empty") << with([](auto &e) { e.lastName.clear(); })
                                    << u"Please Enter Your Last Name"_s << int(DetailsField::LastName);
        QTest::newRow("no day") << with([](auto &e) { e.day.clear(); })
                                << u"Please Specify Your Birth Date"_s << int(DetailsField::Day);
        QTest::newRow("no month") << with([](auto &e) { e.month.clear(); })
                                  << u"Please Specify Your Birth Month"_s << int(DetailsField::Month);
        QTest::newRow("no year") << with([](auto &e) { e.year.clear(); })
                                 << u"Please Specify Your Birth Year"_s << int(DetailsField::Year);
        QTest::newRow("names before the date")
            << with([](auto &e) { e.lastName.clear(); e.day = u"30"_s; e.month = u"February"_s; })
            << u"Please Enter Your Last Name"_s << int(DetailsField::LastName);
        QTest::newRow("30 February") << with([](auto &e) { e.day = u"30"_s; e.month = u"February"_s; })
                                     << u"Please Enter Correct Date Or Month!"_s
                                     << int(DetailsField::Unchanged);
        QTest::newRow("31 November") << with([](auto &e) { e.day = u"31"_s; e.month = u"November"_s; })
                                     << u"Please Enter Correct Date Or Month !"_s
                                     << int(DetailsField::Unchanged);
    }
    void threeNameValidation()
    {
        QFETCH(ThreeNameEntry, entry);
        QFETCH(QString, message);
        QFETCH(int, focus);
        const auto problem = ValidateDetails(entry);
        QCOMPARE(problem.has_value(), !message.isEmpty());
        if (problem) {
            QCOMPARE(problem->message, message);
            QCOMPARE(problem->icon, MessageIcon::Information);
            QCOMPARE(int(problem->focus), focus);
        }
    }

    void nameKey_data()
    {
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QString>("entered"); // empty: refused
        QTest::newRow("a becomes A") << QChar(u'a') << u"A"_s;
        QTest::newRow("z becomes Z") << QChar(u'z') << u"Z"_s;
        QTest::newRow("capital stays") << QChar(u'M') << u"M"_s;
        QTest::newRow("space") << QChar(u' ') << u" "_s;
        QTest::newRow("backspace") << QChar(u'\b') << u"\b"_s;
        QTest::newRow("carriage return") << QChar(u'\r') << u"\r"_s;
        QTest::newRow("digit") << QChar(u'1') << QString();
        QTest::newRow("hyphen") << QChar(u'-') << QString();
        QTest::newRow("apostrophe") << QChar(u'\'') << QString();
        QTest::newRow("accented e") << QChar(u'\u00e9') << QString();
        QTest::newRow("sharp s") << QChar(u'\u00df') << QString();
        QTest::newRow("tab") << QChar(u'\t') << QString();
        QTest::newRow("bracket after Z") << QChar(u'[') << QString();
        QTest::newRow("at before A") << QChar(u'@') << QString();
    }
    void nameKey()
    {
        QFETCH(QChar, typed);
        QFETCH(QString, entered);
        const auto result = FilterNameKey(typed);
        QCOMPARE(result.has_value(), !entered.isEmpty());
        if (result)
            QCOMPARE(QString(*result), entered);
    }

    void nameText()
    {
        QCOMPARE(FilterNameText(u"ann lee"_s), std::optional<QString>(u"ANN LEE"_s));
        QCOMPARE(FilterNameText(u"ann2"_s), std::nullopt);
        QCOMPARE(FilterNameText(QString()), std::optional<QString>(QString()));
    }

    void refusalMessages()
    {
        QCOMPARE(OnlyLettersMessage(), u"Please Enter only Letters"_s);
        QCOMPARE(OnlyAlphabetMessage(), u"Please Enter Only Alphabet"_s);
    }

    // A group of a row's texts gives each text by its name: the name's
    // place among the group's names.
    void textGroupByName_data()
    {
        QTest::addColumn<Meal>("meal");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << Meal::Breakfast << u"Porridge"_s;
        QTest::newRow("middle") << Meal::Lunch << u"Soup"_s;
        QTest::newRow("last") << Meal::Dinner << u"Stew"_s;
    }
    void textGroupByName()
    {
        QFETCH(Meal, meal);
        QFETCH(QString, text);
        const Meals meals{{"Porridge", "Soup", "Stew"}};
        QCOMPARE(RowText(meals[meal]), text);
    }

    // Read whole, a group gives its texts in the order of its names; two
    // groups are equal when every text is; an empty group's texts are null.
    void textGroupWhole()
    {
        static_assert(Meals::size() == 3);
        const Meals meals{{"Porridge", "Soup", "Stew"}};
        QStringList inOrder;
        for (const char *text : meals)
            inOrder.append(RowText(text));
        QCOMPARE(inOrder, (QStringList{u"Porridge"_s, u"Soup"_s, u"Stew"_s}));
        QVERIFY((meals == Meals{{"Porridge", "Soup", "Stew"}}));
        QVERIFY(!(meals == Meals{{"Porridge", "Stew", "Soup"}}));
        const Meals none{};
        for (const char *text : none)
            QVERIFY(text == nullptr);
    }
};

QTEST_GUILESS_MAIN(TestReadingCore)
#include "tst_reading_core.moc"
