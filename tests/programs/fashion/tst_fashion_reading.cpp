// SPDX-License-Identifier: GPL-3.0-or-later
// Fashion Astrology's table: the style sentences each sign takes, the
// colours, the shared profile and the characteristics paragraphs.

#include "programs/fashion/fashion_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The sentences as users read them, numbered 1 to 3.
const QStringList kBoldness{
    u"You are always willing to try out any outrageous outfit."_s,
    u"You may think twice before trying out an outrageous outfit"_s,
    u"You will stick to what you feel comfortable in and are not willing to take risks."_s};
const QStringList kTraditional{
    u"You would prefer to wear traditional clothes."_s,
    u"You believe in the traditional cuts and designs as far as clothes are concerned."_s,
    u"You are not very particular about traditional stuff."_s};
const QStringList kColorful{u"You believe in wearing multi-colored clothes."_s,
                            u"You do not mind trying out various colors."_s,
                            u"You prefer a particular dull color."_s};
const QStringList kCustomMade{
    u"You prefer to have clothes made according to your specifications."_s,
    u"You do not mind trying out ready made clothes or tailored ones, whichever is convenient."_s,
    u"You don't have the patience to be measured for tailored clothes and ready made stuff is the way for you."_s};
const QStringList kFrilly{u"You love all the frills and laces that you can wear."_s,
                          u"You do not mind a lit frill and lace sometimes."_s,
                          u"You hate frills and fancy laces of any sort."_s};

} // namespace

class TestFashionReading : public QObject
{
    Q_OBJECT
private slots:
    void styleAndColours_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QList<int>>("numbers"); // boldness, traditional, colorful, custom, frilly
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("undesirable");
        const struct { QList<int> n; const char *pref; const char *undes; } rows[12] = {
            {{1, 1, 2, 3, 3}, "Red", "Beige and White"},
            {{3, 2, 3, 1, 1}, "Royal Blue", "Purple"},
            {{1, 1, 1, 3, 3}, "Latest Color in Fashion", "Orange"},
            {{3, 2, 2, 2, 1}, "Blue and Green", "Purple"},
            {{1, 3, 1, 1, 2}, "Orange, Red, Yellow ", "Green, White"},
            {{3, 2, 3, 1, 2}, "Brown", "Red, Black"},
            {{2, 2, 2, 1, 2}, "Olive Green", "Orange, Red"},
            {{2, 3, 2, 2, 2}, "Brick Red, Black", "Yellow"},
            {{1, 1, 1, 3, 3}, "Emerald", "Blue"},
            {{3, 2, 3, 1, 1}, "Navy Blue", "Purple"},
            {{1, 1, 1, 3, 3}, "Black", "Beige"},
            {{2, 3, 1, 3, 1}, "Pink", "Red"},
        };
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%s", qPrintable(SignName(SignAt(i))))
                << i << rows[i].n << QString::fromLatin1(rows[i].pref)
                << QString::fromLatin1(rows[i].undes);
    }
    void styleAndColours()
    {
        QFETCH(int, sign);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, preferred);
        QFETCH(QString, undesirable);
        const FashionReading r = BuildFashionReading(SignAt(sign));
        QCOMPARE(RowText(r.row.styles[FashionStyle::Boldness]), kBoldness.at(numbers[0] - 1));
        QCOMPARE(RowText(r.row.styles[FashionStyle::Traditional]), kTraditional.at(numbers[1] - 1));
        QCOMPARE(RowText(r.row.styles[FashionStyle::Colorful]), kColorful.at(numbers[2] - 1));
        QCOMPARE(RowText(r.row.styles[FashionStyle::CustomMade]), kCustomMade.at(numbers[3] - 1));
        QCOMPARE(RowText(r.row.styles[FashionStyle::Frilly]), kFrilly.at(numbers[4] - 1));
        QCOMPARE(RowText(r.row.preferredColors), preferred);
        QCOMPARE(RowText(r.row.undesirableColors), undesirable);
    }

    void profileIsGiftAstrologys()
    {
        for (int i = 0; i < kSignCount; ++i) {
            const SunSign sign = SignAt(i);
            QCOMPARE(BuildFashionReading(sign).profile, BuildGiftReading(sign, Gender::Female).row.profile);
        }
    }

    void characteristics()
    {
        QSet<QString> seen;
        QList<int> lengths;
        for (int i = 0; i < kSignCount; ++i) {
            const QString text = RowText(BuildFashionReading(SignAt(i)).row.fashionCharacteristics);
            QVERIFY(!seen.contains(text));
            seen.insert(text);
            QCOMPARE(text.trimmed(), text);
            if (SignAt(i) == SunSign::Leo)
                continue;
            QVERIFY2(!text.contains(u'\n'), qPrintable(SignName(SignAt(i))));
            lengths.append(int(text.size()));
        }
        QCOMPARE(*std::min_element(lengths.begin(), lengths.end()), 414);
        QCOMPARE(*std::max_element(lengths.begin(), lengths.end()), 804);
    }

    void leoHasTwoParagraphs()
    {
        const QString leo = RowText(BuildFashionReading(SunSign::Leo).row.fashionCharacteristics);
        const QStringList paragraphs = leo.split(u"\n\n"_s);
        QCOMPARE(paragraphs.size(), 2);
        QCOMPARE(paragraphs[0].size(), 482);
        QCOMPARE(paragraphs[1].size(), 552);
        QCOMPARE(leo.count(u'\n'), 2);
    }
};

QTEST_GUILESS_MAIN(TestFashionReading)
#include "tst_fashion_reading.moc"
