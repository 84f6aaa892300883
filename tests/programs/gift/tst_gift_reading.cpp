// SPDX-License-Identifier: GPL-3.0-or-later
// Gift Astrology's table: the profile columns and gift ideas exactly, the
// long texts to their forms and lengths.

#include "programs/gift/gift_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestGiftReading : public QObject
{
    Q_OBJECT
private slots:
    void profileColumns_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("columns"); // element, number, day, compatibility, birthstone
        const char *rows[12][5] = {
            {"Fire", "9", "Tuesday", "Leo and Sagittarius", "Diamond"},
            {"Earth", "6", "Friday", "Capricorn and Virgo", "Emerald"},
            {"Air", "5", "Wednesday", "Aquarius and Libra", "Agate"},
            {"Water", "2", "Monday", "Pisces and Scorpio", "Pearl"},
            {"Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby"},
            {"Earth", "3 and 5", "Wednesday", "Capricorn and Taurus", "Sapphire"},
            {"Air", "6 and 9", "Friday", "Aquarius and Gemini", "Opal"},
            {"Water", "2 and 4", "Tuesday", "Cancer and Pisces", "Topaz"},
            {"Fire", "5 and 7", "Thursday", "Aries and Leo", "Turquoise"},
            {"Earth", "8 and 2", "Saturday", "Taurus and Virgo", "Garnet"},
            {"Air", "1 and 7", "Wednesday", "Taurus and Virgo", "Amethyst"},
            {"Water", "2 and 6", "Friday", "Taurus and Virgo", "Aquamarine"},
        };
        for (int i = 0; i < 12; ++i) {
            QStringList columns;
            for (const char *c : rows[i])
                columns.append(QString::fromLatin1(c));
            QTest::addRow("%s", qPrintable(SignName(SignAt(i)))) << i << columns;
        }
    }
    void profileColumns()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, columns);
        const GiftReading r = BuildGiftReading(SignAt(sign), Gender::Female);
        const SignProfile &p = r.row.profile;
        QCOMPARE(r.sign, SignAt(sign));
        QCOMPARE((QStringList{RowText(p.element), RowText(p.luckyNumber), RowText(p.luckyDay),
                              RowText(p.compatibility), RowText(p.birthstone)}),
                 columns);
        QCOMPARE(SignPictureIndex(r.sign), sign + 1);
    }

    void giftIdeas_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("gender");
        QTest::addColumn<QStringList>("ideas");
        const int male = int(Gender::Male), female = int(Gender::Female);
        QTest::newRow("Aries men") << 0 << male << QStringList{u"Athletic Equipment"_s,
            u"Polaroid Camera"_s, u"Puzzle"_s, u"Music Players"_s, u"Personalized Gifts"_s};
        QTest::newRow("Gemini men, ampersand") << 2 << male << QStringList{u"Books"_s,
            u"Cell phone"_s, u"PDA"_s, u"Diaries & Journals"_s, u"Shirts"_s};
        QTest::newRow("Leo women, trailing blank") << 4 << female << QStringList{u"Cosmetics"_s,
            u"Fashion Accessories"_s, u"Opera tickets"_s, u"Crystal"_s, u"Diamonds "_s};
        QTest::newRow("Sagittarius women") << 8 << female << QStringList{u"Telescope"_s, u"Atlas"_s,
            u"Books"_s, u"Outdoor Boots"_s, u"Tickets to Metaphysics Seminars"_s};
        QTest::newRow("Capricorn women, trailing blank") << 9 << female << QStringList{
            u"Silk Bathrobes"_s, u"Crystal "_s, u"Day Planners"_s, u"Purse"_s, u"Candles"_s};
        QTest::newRow("Pisces men") << 11 << male << QStringList{u"Kaleidoscope"_s,
            u"Bottle of Champagne"_s, u"Digital Camera"_s, u"Oil Paints"_s, u"Socks"_s};
        QTest::newRow("Pisces women") << 11 << female << QStringList{u"Showering Gels"_s,
            u"Bath Salts"_s, u"Poetry Books"_s, u"Perfumes"_s, u"Slippers"_s};
    }
    void giftIdeas()
    {
        QFETCH(int, sign);
        QFETCH(int, gender);
        QFETCH(QStringList, ideas);
        QCOMPARE(RowTexts(BuildGiftReading(SignAt(sign), Gender(gender)).giftIdeas), ideas);
    }

    // Only the gift ideas depend on the gender, and they always differ.
    void genderChangesOnlyTheIdeas()
    {
        for (int i = 0; i < kSignCount; ++i) {
            const GiftReading male = BuildGiftReading(SignAt(i), Gender::Male);
            const GiftReading female = BuildGiftReading(SignAt(i), Gender::Female);
            QCOMPARE(male.row.profile, female.row.profile);
            QCOMPARE(RowText(male.row.giftPersonality), RowText(female.row.giftPersonality));
            QCOMPARE(RowTexts(male.giftIdeas).size(), 5);
            QCOMPARE(RowTexts(female.giftIdeas).size(), 5);
            QVERIFY(RowTexts(male.giftIdeas) != RowTexts(female.giftIdeas));
        }
    }

    void longTextForms()
    {
        QSet<QString> seen;
        QList<int> positive, negative, personality;
        for (int i = 0; i < kSignCount; ++i) {
            const GiftReading r = BuildGiftReading(SignAt(i), Gender::Male);
            const QString name = SignName(SignAt(i));
            const QString positiveTraits = RowText(r.row.profile.positiveTraits);
            const QString negativeTraits = RowText(r.row.profile.negativeTraits);
            const QString giftPersonality = RowText(r.row.giftPersonality);
            for (const QString &text : {positiveTraits, negativeTraits, giftPersonality}) {
                QVERIFY2(!text.contains(u'\n'), qPrintable(name));
                QVERIFY2(text.trimmed() == text, qPrintable(name));
                QVERIFY2(!seen.contains(text), qPrintable(name)); // no two signs share a text
                seen.insert(text);
            }
            QVERIFY2(positiveTraits.startsWith(u"You "_s), qPrintable(name));
            QVERIFY2(positiveTraits.count(u"You are"_s) >= 3, qPrintable(name));
            QVERIFY2(giftPersonality.contains(name.left(4)), qPrintable(name)); // about the sign
            positive.append(int(positiveTraits.size()));
            negative.append(int(negativeTraits.size()));
            personality.append(int(giftPersonality.size()));
        }
        const auto range = [](const QList<int> &lengths) {
            return std::pair{*std::min_element(lengths.begin(), lengths.end()),
                             *std::max_element(lengths.begin(), lengths.end())};
        };
        QCOMPARE(range(positive), (std::pair{513, 998}));
        QCOMPARE(range(negative), (std::pair{331, 655}));
        QCOMPARE(range(personality), (std::pair{610, 790}));
    }
};

QTEST_GUILESS_MAIN(TestGiftReading)
#include "tst_gift_reading.moc"
