// SPDX-License-Identifier: GPL-3.0-or-later
// Financial Astrology's reading without windows: the sign profile exactly,
// the level table, the verdicts chosen by level and the sign's boundaries.

#include "programs/financial/financial_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFinancialReading : public QObject
{
    Q_OBJECT
private slots:
    void signProfile_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("columns");
        // Element, ruling planet, quality, lucky number, colour, day,
        // compatibility, birth stone.
        const char *rows[12][8] = {
            {"Fire", "Mars", "Cardinal", "9", "Red", "Tuesday", "Leo & Sagittarius", "Diamond"},
            {"Earth", "Venus", "Fixed", "6", "Green", "Friday", "Capricorn & Virgo", "Emerald"},
            {"Air", "Mercury", "Mutable", "5", "Yellow", "Wednesday", "Aquarius & Libra", "Agate"},
            {"Water", "The Moon", "Cardinal", "2", "Silver", "Monday", "Pisces & Scorpio", "Pearl"},
            {"Fire", "The Sun", "Fixed", "8 & 9", "Gold", "Sunday", "Aries & Sagittarius", "Ruby"},
            {"Earth", "Mercury", "Mutable", "3 & 5", "Blue", "Wednesday", "Capricorn & Taurus", "Sapphire"},
            {"Air", "Venus", "Cardinal", "6 & 9", "Blue", "Friday", "Aquarius and Gemini", "Opal"},
            {"Water", "Pluto and Mars", "Fixed", "2 & 4", "Burgundy and Black", "Tuesday", "Cancer & Pisces", "Topaz"},
            {"Fire", "Jupiter", "Mutable", "5 & 7", "Purple", "Thursday", "Aries & Leo", "Turquoise"},
            {"Earth", "Saturn", "Cardinal", "8, 2", "Brown", "Saturday", "Taurus & Virgo", "Garnet"},
            {"Air", "Uranus and Saturn", "Fixed", "1, 7", "Violet", "Wednesday", "Taurus & Virgo", "Amethyst"},
            {"Water", "Neptune and Jupiter", "Mutable", "2, 6", "Sea green", "Friday", "Taurus & Virgo", "Aquamarine"},
        };
        for (int i = 0; i < 12; ++i) {
            QStringList columns;
            for (const char *c : rows[i])
                columns.append(QString::fromLatin1(c));
            QTest::addRow("%s", qPrintable(SignName(SignAt(i)))) << i << columns;
        }
    }
    void signProfile()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, columns);
        FinancialReading r;
        StarSignDescription(SignName(SignAt(sign)), r);
        const SignProfile &p = r.row.profile;
        QCOMPARE((QStringList{RowText(p.element), RowText(r.row.rulingPlanet), RowText(r.row.quality),
                              RowText(p.luckyNumber), RowText(r.row.luckyColor), RowText(p.luckyDay),
                              RowText(p.compatibility), RowText(p.birthstone)}),
                 columns);
        QVERIFY(!RowText(r.row.famousPersons).isEmpty() && !RowText(p.positiveTraits).isEmpty()
                && !RowText(p.negativeTraits).isEmpty());
    }

    // Transcribed apart from the program's table: one row of twelve levels
    // per sign, Aries first.
    void levelTable()
    {
        const char *rows[12] = {"123112121313", "313231333131", "133113111313", "313331332131",
                                "122213132223", "312331333131", "221113221213", "213231322232",
                                "132113211313", "313331333131", "221123322322", "131123211213"};
        for (int p = 0; p < 12; ++p) {
            for (int k = 0; k < 12; ++k)
                QCOMPARE(FinancialLevel(p, k), rows[p][k] - '0');
        }
        QCOMPARE(FinancialLevel(12, 0), 0);
        QCOMPARE(FinancialLevel(0, 12), 0);
        QCOMPARE(FinancialLevel(-1, 0), 0);
    }

    void attributeNames()
    {
        QStringList names;
        for (int k = 0; k < kFinancialAttributeCount; ++k)
            names.append(FinancialAttributeName(k));
        QCOMPARE(names, (QStringList{u"Financial Planning"_s, u"No Worry"_s, u"Pacts & Contracts"_s,
                                     u"Meticulous"_s, u"Prudent"_s, u"Generosity"_s, u"Investments"_s,
                                     u"Money- minded"_s, u"Trustworthy"_s, u"Risks"_s, u"Hoard"_s,
                                     u"Spendthrift"_s}));
    }

    void verdictsByLevel_data()
    {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("planning 1") << 0 << 1 << u"You are very poor at financial planning."_s;
        QTest::newRow("planning 3") << 0 << 3 << u"You are very good at financial planning and money management."_s;
        QTest::newRow("worry 2") << 1 << 2 << u"You do tend to think about your future at times."_s;
        QTest::newRow("contracts 3") << 2 << 3 << u"You have a way with making deals work out to your advantage."_s;
        QTest::newRow("investments 2") << 6 << 2
            << u"You believe in investing in a few ventures but a more established method is preferred."_s;
        QTest::newRow("money minded 1") << 7 << 1 << u"Money makes no difference to your personality."_s;
        QTest::newRow("spendthrift 3") << 11 << 3
            << u"You do not know the meaning of saving money and it is spent before it comes in."_s;
        // A level other than 1 or 2 counts as 3.
        QTest::newRow("level 0 is 3") << 4 << 0 << u"You do not let go of money so easily."_s;
        QTest::newRow("level 7 is 3") << 4 << 7 << u"You do not let go of money so easily."_s;
        QTest::newRow("no attribute") << 12 << 1 << QString();
    }
    void verdictsByLevel()
    {
        QFETCH(int, attribute);
        QFETCH(int, level);
        QFETCH(QString, verdict);
        QCOMPARE(FinancialVerdict(attribute, level), verdict);
    }

    // Every one of the 36 sentences is a distinct full sentence.
    void sentenceSets()
    {
        QSet<QString> seen;
        for (int k = 0; k < kFinancialAttributeCount; ++k) {
            for (int level = 1; level <= 3; ++level) {
                const QString sentence = FinancialVerdict(k, level);
                QVERIFY2(sentence.endsWith(u'.') && sentence.at(0).isUpper(), qPrintable(sentence));
                QVERIFY(!seen.contains(sentence));
                seen.insert(sentence);
            }
        }
    }

    void signBoundaries_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("sign");
        QTest::newRow("19 January") << 19 << u"January"_s << u"Capricorn"_s;
        QTest::newRow("20 January") << 20 << u"January"_s << u"Aquarius"_s;
        QTest::newRow("18 February") << 18 << u"February"_s << u"Aquarius"_s;
        QTest::newRow("19 February") << 19 << u"February"_s << u"Pisces"_s;
        QTest::newRow("20 March") << 20 << u"March"_s << u"Pisces"_s;
        QTest::newRow("21 March") << 21 << u"March"_s << u"Aries"_s;
        QTest::newRow("20 August") << 20 << u"August"_s << u"Leo"_s;
        QTest::newRow("21 August") << 21 << u"August"_s << u"Virgo"_s;
        QTest::newRow("20 November") << 20 << u"November"_s << u"Scorpio"_s;
        QTest::newRow("21 November") << 21 << u"November"_s << u"Sagittarius"_s;
        QTest::newRow("21 December") << 21 << u"December"_s << u"Capricorn"_s;
    }
    void signBoundaries()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(QString, sign);
        Person details;
        details.name = u"  ANNA  "_s;
        details.day = day;
        details.month = month;
        details.year = 1980;
        const FinancialReading r = FinancialReadingFor(details);
        QCOMPARE(r.sign, sign);
        const int p = SignIndex(SunSignFor(month, day, kFinancialCuspTable));
        for (int k = 0; k < kFinancialAttributeCount; ++k)
            QCOMPARE(r.verdicts[std::size_t(k)], FinancialVerdict(k, FinancialLevel(p, k)));
    }

    // 19 January 1980 is Capricorn, very good at financial planning.
    void capricornPlans()
    {
        Person details;
        details.name = u"ANNA"_s;
        details.day = 19;
        details.month = u"January"_s;
        details.year = 1980;
        const FinancialReading r = FinancialReadingFor(details);
        QCOMPARE(r.verdicts[0], u"You are very good at financial planning and money management."_s);
        QCOMPARE(RowText(r.row.profile.compatibility), u"Taurus & Virgo"_s);
    }

    void unknownSignChangesNothing()
    {
        FinancialReading r;
        r.row.profile.element = "kept";
        r.verdicts[3] = u"kept"_s;
        for (const QString &name : {u"aries"_s, u"Aries "_s, QString(), u"Ophiuchus"_s}) {
            StarSignDescription(name, r);
            Financial_Profile(name, r);
            QCOMPARE(RowText(r.row.profile.element), u"kept"_s);
            QCOMPARE(r.verdicts[3], u"kept"_s);
            QVERIFY(RowText(r.row.financialProfile).isEmpty());
        }
    }

    void leoHasTwoParagraphs()
    {
        FinancialReading r;
        StarSignDescription(u"Leo"_s, r);
        QCOMPARE(RowText(r.row.profile.positiveTraits).split(u"\n\n"_s).size(), 2);
        QCOMPARE(RowText(r.row.profile.positiveTraits).size(), 999);
    }
};

QTEST_GUILESS_MAIN(TestFinancialReading)
#include "tst_financial_reading.moc"
