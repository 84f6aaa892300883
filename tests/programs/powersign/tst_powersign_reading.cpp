// SPDX-License-Identifier: GPL-3.0-or-later
// Zodiac Power Sign's logic: the table of Pluto's periods walked day by
// day, both sides of every change, the four checks and the descriptions.

#include "programs/powersign/powersign_reading.h"
#include "pluto_changes.h"

#include <QDate>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString Found(const QDate &date)
{
    const auto sign = FindPowerSign(date.day(), MonthNames().at(date.month() - 1), date.year());
    return sign ? SignName(*sign) : u"none"_s;
}

} // namespace

class TestPowerSignReading : public QObject
{
    Q_OBJECT
private slots:
    // Every day from 1 January 1900 to 31 December 2022 lies in exactly one
    // period, and no change falls on a 1st.
    void tableCoversEveryDayOnce()
    {
        const auto &table = PlutoSignTable();
        QCOMPARE(table.front().first, (ListDate{1900, 1, 1}));
        QCOMPARE(table.back().last, (ListDate{2022, 12, 31}));
        int days = 0;
        for (QDate d(1900, 1, 1); d <= QDate(2022, 12, 31); d = d.addDays(1)) {
            const ListDate day{d.year(), d.month(), d.day()};
            int holding = 0;
            for (const PlutoPeriod &p : table)
                holding += (p.first <= day && day <= p.last) ? 1 : 0;
            QVERIFY2(holding == 1, qPrintable(d.toString(Qt::ISODate)));
            ++days;
        }
        QCOMPARE(days, int(QDate(1900, 1, 1).daysTo(QDate(2022, 12, 31))) + 1);
        for (std::size_t i = 1; i < table.size(); ++i) {
            const ListDate &start = table[i].first;
            QVERIFY(start.day != 1);
            const QDate previous = QDate(start.year, start.month, start.day).addDays(-1);
            QCOMPARE(table[i - 1].last, (ListDate{previous.year(), previous.month(), previous.day()}));
            QVERIFY(table[i - 1].sign != table[i].sign);
        }
        QSet<SunSign> signs;
        for (const PlutoPeriod &p : table)
            signs.insert(p.sign);
        QCOMPARE(signs, (QSet<SunSign>{SunSign::Gemini, SunSign::Cancer, SunSign::Leo, SunSign::Virgo,
                                       SunSign::Libra, SunSign::Scorpio, SunSign::Sagittarius,
                                       SunSign::Capricorn}));
    }

    void bothSidesOfEveryChange_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sign");
        for (const Change &c : kChanges) {
            const QDate start(c.year, c.month, c.day);
            QTest::addRow("%s", qPrintable(start.addDays(-1).toString(Qt::ISODate)))
                << start.addDays(-1) << QString::fromLatin1(c.before);
            QTest::addRow("%s", qPrintable(start.toString(Qt::ISODate))) << start << QString::fromLatin1(c.after);
        }
        QTest::newRow("first day") << QDate(1900, 1, 1) << u"Gemini"_s;
        QTest::newRow("last day") << QDate(2022, 12, 31) << u"Capricorn"_s;
    }
    void bothSidesOfEveryChange()
    {
        QFETCH(QDate, date);
        QFETCH(QString, sign);
        QCOMPARE(Found(date), sign);
    }

    void outsideTheTable()
    {
        QCOMPARE(FindPowerSign(29, u"February"_s, 1900), std::optional(SunSign::Gemini));
        QCOMPARE(FindPowerSign(29, u"February"_s, 2000), std::optional(SunSign::Sagittarius));
        QCOMPARE(FindPowerSign(31, u"December"_s, 1899), std::nullopt);
        QCOMPARE(FindPowerSign(1, u"January"_s, 2023), std::nullopt);
        QCOMPARE(FindPowerSign(1, u"Smarch"_s, 1950), std::nullopt);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name first") << QString() << 30 << 1 << 1901 << u"Please Enter Your Name"_s;
        QTest::newRow("blanks pass") << u"  "_s << 1 << 0 << 1950 << QString();
        QTest::newRow("30 February") << u"A"_s << 30 << 1 << 2000 << u"Please Enter Correct Date of Birth!"_s;
        QTest::newRow("31 February") << u"A"_s << 31 << 1 << 1901 << u"Please Enter Correct Date of Birth!"_s;
        QTest::newRow("31 June") << u"A"_s << 31 << 5 << 1950 << u"Please Enter Correct Date of Birth !"_s;
        QTest::newRow("29 February 1901") << u"A"_s << 29 << 1 << 1901 << u"Please Enter Correct Date Or Month!"_s;
        QTest::newRow("29 February 1900") << u"A"_s << 29 << 1 << 1900 << QString();
        QTest::newRow("29 February 2000") << u"A"_s << 29 << 1 << 2000 << QString();
    }
    void checks()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        const auto problem = ValidatePowerSignDetails(name, day, month, year);
        QCOMPARE(problem ? problem->message : QString(), message);
        if (problem)
            QCOMPARE(problem->icon, MessageIcon::Information);
    }

    void descriptions_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const struct { SunSign sign; const char *opening; int length; } rows[] = {
            {SunSign::Aries, "", 0}, {SunSign::Taurus, "", 0},
            {SunSign::Gemini, "You will take part in a lot of social issues.", 200},
            {SunSign::Cancer, "Family means a lot to you.", 205},
            {SunSign::Leo, "Pluto can weaken the fiery attitude of the Leo sign.", 281},
            {SunSign::Virgo, "You care a lot about others.", 229},
            {SunSign::Libra, "This combination can make your life a little livelier.", 238},
            {SunSign::Scorpio, "This can be a hard time.", 207},
            {SunSign::Sagittarius, "This is a very conflicting combination.", 197},
            {SunSign::Capricorn, "You will be able to organize things well.", 170},
            {SunSign::Aquarius, "", 0}, {SunSign::Pisces, "", 0},
        };
        for (const auto &r : rows)
            QTest::addRow("%s", qPrintable(SignName(r.sign))) << SignIndex(r.sign)
                                                             << QString::fromLatin1(r.opening) << r.length;
    }
    void descriptions()
    {
        QFETCH(int, sign);
        QFETCH(QString, opening);
        QFETCH(int, length);
        const QString text = RowText(RowFor(kPowerSignTable, SignAt(sign)).description);
        QCOMPARE(text.size(), length);
        QVERIFY(text.startsWith(opening));
        QVERIFY(!text.contains(u'\n'));
    }

    void introduction()
    {
        const QString intro = RowText(kPowerSignIntroduction);
        QVERIFY(intro.startsWith(u"Orla Zodiac Power Sign describes your characteristics based on the "
                                 "placement of Pluto in your birth chart."_s));
        QVERIFY(intro.size() >= 330 && intro.size() <= 350);
        QVERIFY(intro.contains(u"transformation"_s));
    }
};

QTEST_GUILESS_MAIN(TestPowerSignReading)
#include "tst_powersign_reading.moc"
