// SPDX-License-Identifier: GPL-3.0-or-later
// Health Astrology's reading without windows: the short values exactly, the
// two look-ups, the sign boundaries and the four checks in their order.

#include "programs/health/health_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHealthReading : public QObject
{
    Q_OBJECT
private slots:
    void signTable_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("columns");
        // Body part, athletic, endurance, flexibility, focus, motivation,
        // routine, team work, variety, constitution type.
        const char *rows[12][10] = {
            {"Head, Face", "Highly Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety", "Fire"},
            {"Throat, Neck", "Low Athletic Ability", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated", "Belief Routine", "Moderate Team-Work", "No Belief in Variety", "Earth"},
            {"Lungs, Arms, Hands", "Moderately Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Zero Motivation", "No Routine", "Good Team-Work", "Needs variety", "Air"},
            {"Breast, Chest, Stomach", "Low Athletic Ability", "Low Endurance", "Medium Flexibility", "High Focus", "Moderately Motivated", "Belief Routine", "Good Team-Work", "Moderate Variety", "Water"},
            {"Heart, Spine", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "Moderate Variety", "Fire"},
            {"Intestines, Pancreas", "Low Athletic Ability", "Medium Endurance", "High Flexibility", "Good Focus", "Highly Motivated", "Belief Routine", "Good Team-Work", "Needs variety", "Earth"},
            {"Loins, Kidneys", "Moderately Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Moderately Motivated", "Moderate Routine", "Good Team-Work", "Moderate Variety", "Air"},
            {"Reproductive Organs", "Moderately Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety", "Water"},
            {"Thighs", "Highly Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety", "Fire"},
            {"Knees", "Moderately Athletic", "High Endurance", "Medium Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety", "Earth"},
            {"Ankles, Blood", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety", "Air"},
            {"Feet", "Low Athletic Ability", "Low Endurance", "High Flexibility", "Zero Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety", "Water"},
        };
        for (int i = 0; i < 12; ++i) {
            QStringList columns;
            for (const char *c : rows[i])
                columns.append(QString::fromLatin1(c));
            QTest::addRow("%s", qPrintable(SignName(SignAt(i)))) << i << columns;
        }
    }
    void signTable()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, columns);
        const HealthReading r = BuildHealthReading(SignAt(sign));
        QCOMPARE(SignName(r.sign), SignName(SignAt(sign)));
        const auto &fitness = r.row.fitness;
        QCOMPARE((QStringList{RowText(r.row.bodyPart), RowText(fitness[Fitness::Athletic]),
                              RowText(fitness[Fitness::Endurance]), RowText(fitness[Fitness::Flexibility]),
                              RowText(fitness[Fitness::Focus]), RowText(fitness[Fitness::Motivation]),
                              RowText(fitness[Fitness::Routine]), RowText(fitness[Fitness::TeamWork]),
                              RowText(fitness[Fitness::Variety]),
                              RowText(r.constitution.type)}),
                 columns);
        // Every field is filled: both look-ups found their rows.
        const HealthSignRow &row = r.row;
        const ConstitutionRow &c = r.constitution;
        const QString fields[] = {RowText(row.sunSignDescription), RowText(row.healthProblems),
                                  RowText(row.requiredDiet),       RowText(row.dietToAvoid),
                                  RowText(row.dietAdvice),         RowText(c.constitutionDescription),
                                  RowText(c.excessDescription),    RowText(c.excessItemsToTake),
                                  RowText(c.excessItemsToAvoid),   RowText(c.excessRemedy),
                                  RowText(c.lowDescription),       RowText(c.lowItemsToTake),
                                  RowText(c.lowItemsToAvoid),      RowText(c.lowRemedy)};
        for (const QString &field : fields)
            QVERIFY(!field.isEmpty());
    }

    void constitutionLists_data()
    {
        QTest::addColumn<int>("sign"); // a sign of the type
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("Fire") << 0 << QStringList{
            u"Grains and root vegetables like beet, carrot and potatoes"_s, u"Gravy and spicy food and red meat"_s,
            u"Chamomile, lemon balm, skull cap and valerian."_s,
            u"Lemon, yoghurt, bitter green food items like kale and mustard."_s,
            u"Milk, cheese, yoghurt, butter and other diary products and meat"_s,
            u"Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."_s};
        QTest::newRow("Earth") << 1 << QStringList{
            u"Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas."_s,
            u"Heavy and spicy food items."_s,
            u"Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper and cayenne."_s,
            u"Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, sugar and oil."_s,
            u"Fruits."_s,
            u"Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, ahashwaganda."_s};
        QTest::newRow("Air") << 2 << QStringList{
            u"Steamed vegetable, nuts and croutons."_s, u"Raw foods, grains, yeasty foods and refined sugar."_s,
            u"Enzymes that enables proper absorption of food items and nutrients."_s,
            u"Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices."_s,
            u"Nothing to Avoid"_s, u"Dandelion root and/or angostura bitters."_s};
        QTest::newRow("Water") << 3 << QStringList{
            u"Steamed vegetable, beans of all kind and fruits."_s,
            u"Spicy and oily foods, diary products, yeasty food, breads and salt."_s,
            u"Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf."_s,
            u"Wheat, rice, oats, seaweed, dairy products and natural sugars."_s, u"All kinds of root vegetables."_s,
            u"Sweetened honey and fruit juices."_s};
    }
    void constitutionLists()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, lists);
        const HealthReading r = BuildHealthReading(SignAt(sign));
        QCOMPARE(RowText(r.constitution.type), QString::fromLatin1(QTest::currentDataTag()));
        const ConstitutionRow &c = r.constitution;
        QCOMPARE((QStringList{RowText(c.excessItemsToTake), RowText(c.excessItemsToAvoid), RowText(c.excessRemedy),
                              RowText(c.lowItemsToTake), RowText(c.lowItemsToAvoid), RowText(c.lowRemedy)}),
                 lists);
    }

    // The signs of one element share the whole constitution part, and no
    // two elements share a paragraph.
    void elementsShareTheirConstitution()
    {
        QSet<QString> descriptions;
        for (int element = 0; element < 4; ++element) {
            const HealthReading first = BuildHealthReading(SignAt(element));
            for (int sign = element + 4; sign < 12; sign += 4) {
                const HealthReading other = BuildHealthReading(SignAt(sign));
                QCOMPARE(RowText(other.constitution.type), RowText(first.constitution.type));
                QCOMPARE(RowText(other.constitution.constitutionDescription),
                         RowText(first.constitution.constitutionDescription));
                QCOMPARE(RowText(other.constitution.excessDescription), RowText(first.constitution.excessDescription));
                QCOMPARE(RowText(other.constitution.lowDescription), RowText(first.constitution.lowDescription));
                QCOMPARE(RowText(other.constitution.lowRemedy), RowText(first.constitution.lowRemedy));
                QVERIFY(RowText(other.row.sunSignDescription) != RowText(first.row.sunSignDescription));
            }
            const ConstitutionRow &c = first.constitution;
            for (const QString &text :
                 {RowText(c.constitutionDescription), RowText(c.excessDescription), RowText(c.lowDescription)}) {
                QVERIFY(!descriptions.contains(text));
                descriptions.insert(text);
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
        QTest::newRow("29 February") << 29 << u"February"_s << u"Pisces"_s;
        QTest::newRow("20 March") << 20 << u"March"_s << u"Pisces"_s;
        QTest::newRow("21 March") << 21 << u"March"_s << u"Aries"_s;
        QTest::newRow("20 October") << 20 << u"October"_s << u"Libra"_s;
        QTest::newRow("21 October") << 21 << u"October"_s << u"Scorpio"_s;
        QTest::newRow("31 December") << 31 << u"December"_s << u"Capricorn"_s;
    }
    void signBoundaries()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(QString, sign);
        QCOMPARE(SignName(BuildHealthReading(SunSignFor(month, day, kHealthCuspTable)).sign), sign);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message"); // empty: the details pass
        QTest::addColumn<bool>("focusOnName");
        QTest::newRow("empty name") << QString() << 31 << u"February"_s << 1901 << u"Please Enter Your Name"_s << true;
        QTest::newRow("blank name") << u"  "_s << 1 << u"January"_s << 1900 << QString() << false;
        QTest::newRow("30 February 2000") << u"A"_s << 30 << u"February"_s << 2000
                                          << u"Please Enter Correct Date of Birth!"_s << false;
        QTest::newRow("31 February 1901") << u"A"_s << 31 << u"February"_s << 1901
                                          << u"Please Enter Correct Date of Birth!"_s << false;
        QTest::newRow("31 April") << u"A"_s << 31 << u"April"_s << 1990 << u"Please Enter Correct Date of Birth !"_s << false;
        QTest::newRow("31 June") << u"A"_s << 31 << u"June"_s << 1990 << u"Please Enter Correct Date of Birth !"_s << false;
        QTest::newRow("31 September") << u"A"_s << 31 << u"September"_s << 1990 << u"Please Enter Correct Date of Birth !"_s << false;
        QTest::newRow("31 November") << u"A"_s << 31 << u"November"_s << 1990 << u"Please Enter Correct Date of Birth !"_s << false;
        QTest::newRow("29 February 1901") << u"A"_s << 29 << u"February"_s << 1901
                                          << u"Please Enter Correct Date Or Month!"_s << false;
        QTest::newRow("29 February 1900") << u"A"_s << 29 << u"February"_s << 1900 << QString() << false;
        QTest::newRow("29 February 2048") << u"A"_s << 29 << u"February"_s << 2048 << QString() << false;
        QTest::newRow("31 March") << u"A"_s << 31 << u"March"_s << 1901 << QString() << false;
        QTest::newRow("30 April") << u"A"_s << 30 << u"April"_s << 1901 << QString() << false;
    }
    void checks()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(bool, focusOnName);
        Person details;
        details.name = name;
        details.day = day;
        details.month = month;
        details.year = year;
        const auto problem = ValidateHealthDetails(details);
        if (message.isEmpty()) {
            QVERIFY(!problem);
            return;
        }
        QVERIFY(problem);
        QCOMPARE(problem->message, message);
        QCOMPARE(problem->icon, MessageIcon::Information);
        QCOMPARE(problem->focus == DetailsField::Name, focusOnName);
    }
};

QTEST_GUILESS_MAIN(TestHealthReading)
#include "tst_health_reading.moc"
