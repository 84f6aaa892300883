// SPDX-License-Identifier: GPL-3.0-or-later
// Flower Astrology's table: flowers, plants and pictures exactly, and the
// three paragraphs of each sign to their lengths and forms.

#include "programs/flower/flower_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFlowerReading : public QObject
{
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QString>("flowers");
        QTest::addColumn<QString>("plants");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QList<int>>("description"); // paragraph lengths
        QTest::addColumn<int>("positive");
        QTest::addColumn<int>("negative");
        const struct { const char *flowers; const char *plants; int picture; QList<int> desc; int pos, neg; } rows[12] = {
            {"Sweet Pea, Tiger Lilies, Daisies", "Onions, Hollyhock, Thorn-bearing Trees/Shrubs, Some Firs", 12, {260, 387}, 727, 604},
            {"Poppy, Lilies", "cypress, Vine, Apple, Crab Apple, Pear, Fig, Citrus, Palms", 9, {238, 385}, 755, 405},
            {"Lily of the Valley, Red Roses, Azalea", "Fern, Nut-Bearing trees, Hazel", 5, {318, 417}, 745, 527},
            {"Larkspur, White Roses, White Lilies", "Cabbage, Cow Parsley", 4, {410, 296}, 866, 610},
            {"Sunflower", "Palm, Bay, Laurel, Walnut, Olive, Citrus Trees", 11, {313, 123}, 999, 646},
            {"Pansy, Blue Flowers", "Cherry, Nut Bearing Trees", 8, {327, 272}, 514, 331},
            {"Rose, Red Tulips", "Plum, Ash, Poplar and Taurean Trees", 10, {655}, 717, 366},
            {"Chyrsanthemum, Gardenias, Lilies", "Honey-Suckle, Cactus, Yew, Blackthorn, Bushy Shrubs", 2, {256, 381}, 702, 536},
            {"Narcissus, Carnations", "Blackberry, Thistle, Moss, Sage, Rush, Lime, Birch, Mulberry, Oak, Ash, Chestnut", 6, {151, 348}, 874, 378},
            {"Carnation, Poinsettia", "Pine, Elm, Yew, Willow, Aspen, Poplar", 1, {395}, 732, 549},
            {"Orchid", "Kiwi, Fruit Trees, Elderberry, Olive, Alder", 7, {487}, 756, 655},
            {"Jonquil, Daffodils", "Willow, Fig, Trees growing near Water", 3, {643}, 681, 415},
        };
        for (int i = 0; i < 12; ++i) {
            const auto &r = rows[i];
            QTest::addRow("%s", qPrintable(SignName(SignAt(i))))
                << i << QString::fromLatin1(r.flowers) << QString::fromLatin1(r.plants) << r.picture
                << r.desc << r.pos << r.neg;
        }
    }
    void table()
    {
        QFETCH(int, sign);
        QFETCH(QString, flowers);
        QFETCH(QString, plants);
        QFETCH(int, picture);
        QFETCH(QList<int>, description);
        QFETCH(int, positive);
        QFETCH(int, negative);
        const FlowerReading r = BuildFlowerReading(SignAt(sign));
        QCOMPARE(SignName(r.sign), SignName(SignAt(sign)));
        QCOMPARE(RowText(r.row.luckyFlower), flowers);
        QCOMPARE(RowText(r.row.luckyPlants), plants);
        QCOMPARE(r.row.pictureIndex, picture);
        QList<int> paragraphs;
        for (const QString &p : RowText(r.row.flowerPlantDescription).split(u'\n'))
            paragraphs.append(int(p.size()));
        QCOMPARE(paragraphs, description);
        QCOMPARE(RowText(r.row.positiveTraits).size(), positive);
        QCOMPARE(RowText(r.row.negativeTraits).size(), negative);
        QVERIFY(!RowText(r.row.positiveTraits).contains(u'\n')
                && !RowText(r.row.negativeTraits).contains(u'\n'));
        QVERIFY(RowText(r.row.positiveTraits).count(u"You are"_s) >= 3);
        // The description ends with a sentence naming the plants.
        const QString lastSentence = RowText(r.row.flowerPlantDescription).section(u". "_s, -1);
        QVERIFY2(lastSentence.contains(plants.section(u", "_s, 0, 0), Qt::CaseInsensitive),
                 qPrintable(lastSentence));
    }

    // Every sign shows one of its own flowers, and no two share a picture.
    void picturesBelongToOneSignEach()
    {
        QSet<int> pictures;
        for (int i = 0; i < kSignCount; ++i)
            pictures.insert(BuildFlowerReading(SignAt(i)).row.pictureIndex);
        QCOMPARE(pictures.size(), 12);
    }

    void noTwoSignsShareAText()
    {
        QSet<QString> seen;
        for (int i = 0; i < kSignCount; ++i) {
            const FlowerReading r = BuildFlowerReading(SignAt(i));
            for (const QString &text : {RowText(r.row.flowerPlantDescription), RowText(r.row.positiveTraits),
                                        RowText(r.row.negativeTraits)}) {
                QVERIFY(!seen.contains(text));
                seen.insert(text);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFlowerReading)
#include "tst_flower_reading.moc"
