// SPDX-License-Identifier: GPL-3.0-or-later
// Travel Astrology's table: short columns exactly, the famous-person lists
// and long texts to their counts, lengths and openings.

#include "programs/travel/travel_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTravelReading : public QObject
{
    Q_OBJECT
private slots:
    void shortColumns_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("columns");
        const char *rows[12][9] = {
            {"Fire", "Cardinal", "Mars", "9", "Red", "Tuesday", "Leo && Sagittarius", "Diamond", "Adventure Trips\nSafari Trips"},
            {"Earth", "Fixed", "Venus", "6", "Green", "Friday", "Capricorn && Virgo", "Emerald", "Cultural Trips\nStylish and Happening Spots"},
            {"Air", "Mutable", "Mercury", "5", "Yellow", "Wednesday", "Aquarius && Libra", "Agate", "Cultural Trips\nTrendy and Unknown Locations"},
            {"Water", "Cardinal", "The Moon", "2", "Silver", "Monday", "Pisces && Scorpio", "Pearl", "Patriotic Trips\nBoating Trips"},
            {"Fire", "Fixed", "The Sun", "8 && 9", "Gold", "Sunday", "Aries && Sagittarius", "Ruby", "Luxurious Trips\nStylish and Happening Spots"},
            {"Earth", "Mutable", "Mercury", "3 && 5", "Blue", "Wednesday", "Capricorn && Taurus", "Sapphire", "Cultural Trips\nEcological Tours"},
            {"Air", "Cardinal", "Venus", "6 && 9", "Blue", "Friday", "Aquarius && Gemini", "Opal", "Beach Vacations\nShopping Trips"},
            {"Water", "Fixed", "Pluto and Mars", "2 && 4", "Burgundy and Black", "Tuesday", "Cancer && Pisces", "Topaz", "Adventure Trips\nExotic Vacations\nEcological Tours"},
            {"Fire", "Mutable", "Jupiter", "5 && 7", "Purple", "Thursday", "Aries && Leo", "Turquoise", "Mountain Adventure Trips\nDeep Sea Fishing\nCross Country Backpack Trips"},
            {"Earth", "Cardinal", "Saturn", "8 && 2", "Brown", "Saturday", "Taurus && Virgo", "Garnet", "Educational Trips\nLuxurious Trips\nPopular Tourist Locations"},
            {"Air", "Fixed", "Uranus and Saturn", "1 && 7", "Violet", "Wednesday", "Taurus && Virgo", "Amethyst", "Ecological Trips\nSporting Trips"},
            {"Water", "Mutable", "Neptune and Jupiter", "2 && 6", "Sea green", "Friday", "Taurus && Virgo", "Aquamarine", "Mountain trips\nWater Sports"},
        };
        for (int i = 0; i < 12; ++i) {
            QStringList columns;
            for (const char *c : rows[i])
                columns.append(QString::fromLatin1(c));
            QTest::addRow("%s", qPrintable(SignName(SignAt(i)))) << i << columns;
        }
    }
    void shortColumns()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, columns);
        TravelReading r;
        QVERIFY(BuildTravelReading(SignName(SignAt(sign)), r));
        QCOMPARE(r.sign, SignAt(sign));
        QCOMPARE((QStringList{r.element, r.quality, RowText(r.row.rulingPlanet), RowText(r.row.luckyNumber),
                              RowText(r.row.luckyColor),
                              RowText(r.row.luckyDay), RowText(r.row.compatibility), RowText(r.row.birthStone), RowText(r.row.travelKind)}),
                 columns);
    }

    void longTexts_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("famous");
        QTest::addColumn<int>("positive");
        QTest::addColumn<int>("negative");
        QTest::addColumn<int>("profile"); // one line break counted as one character
        QTest::addColumn<QString>("opening");
        const struct { int names, famous, positive, negative, profile; const char *opening; } rows[12] = {
            {5, 87, 727, 604, 516, "The Arian is an avid traveler,"},
            {5, 73, 755, 405, 514, "The Taurus loves to go out on a long tour,"},
            {5, 89, 745, 526, 643, "The one thing that all Gemini singularly love"},
            {5, 70, 866, 572, 517, "Armchair travel - well,"},
            {6, 87, 1000, 646, 343 + 2 + 221, "Leos love to get a royal treatment"},
            {5, 76, 513, 331, 681, "Virgo is very methodical as a zodiac sign,"},
            {5, 76, 717, 366, 827, "The one thing, which a Libra male or female"},
            {5, 76, 702, 506, 570, "Scorpios do travel,"},
            {7, 105, 874, 378, 759, "Sagittarians are born to travel,"},
            {7, 110, 732, 549, 613, "Capricorns love to travel in style."},
            {5, 85, 754, 655, 623, "Aquarians are always up on their feet"},
            {5, 91, 681, 415, 424, "Pisceans being dreamers by nature"},
        };
        for (int i = 0; i < 12; ++i) {
            const auto &r = rows[i];
            QTest::addRow("%s", qPrintable(SignName(SignAt(i))))
                << i << r.names << r.famous << r.positive << r.negative << r.profile
                << QString::fromLatin1(r.opening);
        }
    }
    void longTexts()
    {
        QFETCH(int, sign);
        QFETCH(int, names);
        QFETCH(int, famous);
        QFETCH(int, positive);
        QFETCH(int, negative);
        QFETCH(int, profile);
        QFETCH(QString, opening);
        TravelReading r;
        QVERIFY(BuildTravelReading(SignName(SignAt(sign)), r));
        QCOMPARE(RowText(r.row.famousPersons).split(u", "_s).size(), names);
        QCOMPARE(RowText(r.row.famousPersons).size(), famous);
        QCOMPARE(RowText(r.row.positiveTraits).size(), positive);
        QCOMPARE(RowText(r.row.negativeTraits).size(), negative);
        QCOMPARE(RowText(r.row.travelProfile).size(), profile);
        QVERIFY(RowText(r.row.travelProfile).startsWith(opening));
        for (const QString &text :
             {RowText(r.row.famousPersons), RowText(r.row.positiveTraits), RowText(r.row.negativeTraits)})
            QVERIFY(!text.contains(u'\n'));
        QCOMPARE(RowText(r.row.travelProfile).contains(u'\n'), SignAt(sign) == SunSign::Leo);
    }

    void leoProfileHasTwoParagraphs()
    {
        TravelReading leo;
        QVERIFY(BuildTravelReading(u"Leo"_s, leo));
        const QStringList paragraphs = RowText(leo.row.travelProfile).split(u"\n\n"_s);
        QCOMPARE(paragraphs.size(), 2);
        QCOMPARE(paragraphs[0].size(), 343);
        QCOMPARE(paragraphs[1].size(), 221);
        QVERIFY(paragraphs[1].startsWith(u"For Leos, traveling should be easy"_s));
    }

    void noTwoSignsShareAText()
    {
        QSet<QString> seen;
        for (int i = 0; i < kSignCount; ++i) {
            TravelReading r;
            BuildTravelReading(SignName(SignAt(i)), r);
            for (const QString &text : {RowText(r.row.famousPersons), RowText(r.row.positiveTraits),
                                        RowText(r.row.negativeTraits), RowText(r.row.travelProfile)}) {
                QVERIFY(!seen.contains(text));
                seen.insert(text);
            }
        }
    }

    void unknownSignChangesNothing()
    {
        TravelReading r;
        r.element = u"kept"_s;
        QVERIFY(!BuildTravelReading(u"Ophiuchus"_s, r));
        QVERIFY(!BuildTravelReading(u"aries"_s, r));
        QCOMPARE(r.element, u"kept"_s);
    }

    // No date check: impossible dates read like any other.
    void impossibleDates_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("sign");
        QTest::newRow("31 February") << u"31"_s << u"February"_s << u"Pisces"_s;
        QTest::newRow("30 February") << u"30"_s << u"February"_s << u"Pisces"_s;
        QTest::newRow("31 April") << u"31"_s << u"April"_s << u"Taurus"_s;
        QTest::newRow("19 January") << u"19"_s << u"January"_s << u"Capricorn"_s;
        QTest::newRow("20 January") << u"20"_s << u"January"_s << u"Aquarius"_s;
    }
    void impossibleDates()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, sign);
        const TravelReading r = TravelReadingFor({u"  ANNA "_s, day.toInt(), month, 1981});
        QCOMPARE(SignName(r.sign), sign);
    }
};

QTEST_GUILESS_MAIN(TestTravelReading)
#include "tst_travel_reading.moc"
