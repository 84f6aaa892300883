// SPDX-License-Identifier: GPL-3.0-or-later
// Food Astrology's table: the short items exactly, the long texts to their
// lengths and forms.

#include "programs/food/food_reading.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFoodReading : public QObject
{
    Q_OBJECT
private slots:
    void shortItems_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("items"); // pizza, snacks, cocktails, ice cream, soul, recipe
        QTest::newRow("Aries") << 0 << QStringList{u"Spicy Pepperoni Pizzas with Garlic and Onions"_s,
            u"Wasabi Peas"_s, u"Vodka, Scotch"_s, u"Chocolate Chip Cookie"_s,
            u"Lamb Chops, Hot Sauce, Everything Grilled"_s, u"Beet Salad"_s};
        QTest::newRow("Taurus, trailing blank") << 1 << QStringList{u"Extra Cheese with a Thick Crust"_s,
            u"Peanut Butter Crackers"_s, u"Beer"_s, u"Creamy Gelato, Chocolate Ice Cream with Nuts"_s,
            u"Mashed Potatoes, Beans "_s, u"Dark Chocolate Fudge"_s};
        QTest::newRow("Cancer") << 3 << QStringList{u"Low fat Cheese with Mushrooms"_s, u"Potato Chips"_s,
            u"Tequilla"_s, u"Vanilla Swiss Almond"_s, u"Crabs, Soups, Broths"_s, u"Egg Devils"_s};
        QTest::newRow("Leo, trailing blank and ampersand") << 4 << QStringList{
            u"Meaty with Ham, Sausage or Bacon "_s, u"Cheese Balls"_s,
            u"Classic Cocktails like Lemon Drop Martini, Cadillac Margarita"_s,
            u"All Chocolate & Coffee Ice Creams"_s, u"Bread, Biscuits"_s, u"Lemon Shrimp and Spinach"_s};
        QTest::newRow("Virgo shares Leo's soul food") << 5 << QStringList{u"Soy Cheese with Vegetables"_s,
            u"Soya Nuts"_s, u"Specialty Wines, Beers"_s, u"Butter Pecan"_s, u"Bread, Biscuits"_s,
            u"Apple Fritters"_s};
        QTest::newRow("Capricorn") << 9 << QStringList{u"Sliced Tomatoes with Black Olives"_s, u"Nuts"_s,
            u"Martinis, Gin"_s, u"Strawberries & Cream"_s, u"Green Leafy Vegetables"_s,
            u"Grilled Red Snapper with Lemon"_s};
        QTest::newRow("Aquarius") << 10 << QStringList{u"Variety of Sauces"_s, u"Pumpkin Seeds"_s,
            u"Champagne"_s, u"Irish Cream"_s, u"Oatmeal, Rice"_s, u"Mock-Cocktail ( Holiday Lemonade)"_s};
        QTest::newRow("Pisces") << 11 << QStringList{u"Seafood Toppings with Anchovies"_s,
            u"Banana Chips"_s, u"Rum, Wine"_s, u"Mint Chocolate Chip"_s, u"Fish"_s,
            u"Cucumber Caviar Canapes"_s};
    }
    void shortItems()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, items);
        const FoodReading r = BuildFoodReading(SignAt(sign));
        QCOMPARE(SignName(r.sign), SignName(SignAt(sign)));
        const auto &favourites = r.row.favourites;
        QCOMPARE((QStringList{RowText(favourites[FoodFavourite::Pizza]), RowText(favourites[FoodFavourite::Snacks]),
                              RowText(favourites[FoodFavourite::Cocktails]), RowText(favourites[FoodFavourite::IceCream]),
                              RowText(favourites[FoodFavourite::FoodForSoul]), RowText(r.row.recipeName)}),
                 items);
    }

    void longTexts_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("habits");
        QTest::addColumn<int>("ingredients");
        QTest::addColumn<int>("preparation");
        const int lengths[12][3] = {{371, 153, 380}, {422, 154, 392}, {337, 99, 475}, {326, 132, 297},
                                    {325, 207, 528}, {381, 173, 308}, {372, 149, 357}, {371, 159, 276},
                                    {359, 148, 353}, {292, 177, 685}, {379, 118, 310}, {299, 73, 206}};
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%s", qPrintable(SignName(SignAt(i))))
                << i << lengths[i][0] << lengths[i][1] << lengths[i][2];
    }
    void longTexts()
    {
        QFETCH(int, sign);
        QFETCH(int, habits);
        QFETCH(int, ingredients);
        QFETCH(int, preparation);
        const FoodReading r = BuildFoodReading(SignAt(sign));
        QCOMPARE(RowText(r.row.eatingHabits).size(), habits);
        QCOMPARE(RowText(r.row.ingredients).size(), ingredients);
        QCOMPARE(RowText(r.row.preparation).size(), preparation);
        for (const QString &text : {RowText(r.row.eatingHabits), RowText(r.row.ingredients), RowText(r.row.preparation)})
            QCOMPARE(text.trimmed(), text);
        QVERIFY(!RowText(r.row.eatingHabits).contains(u'\n'));
        QVERIFY(!RowText(r.row.ingredients).contains(u'\n'));
        QCOMPARE(RowText(r.row.preparation).contains(u'\n'), sign == 0); // only Aries has two paragraphs
    }

    void ariesOpeningAndTwoParagraphs()
    {
        const FoodReading aries = BuildFoodReading(SunSign::Aries);
        QVERIFY(RowText(aries.row.eatingHabits).startsWith(
            u"Aries is quite adventurous about trying out new and exotic food."_s));
        const QStringList paragraphs = RowText(aries.row.preparation).split(u"\n\n"_s);
        QCOMPARE(paragraphs.size(), 2);
        QCOMPARE(paragraphs.last(), u"Chill the salad in freeze and serve."_s);
        QVERIFY(!paragraphs.first().contains(u'\n'));
    }

    void ingredientCounts()
    {
        QCOMPARE(RowText(BuildFoodReading(SunSign::Pisces).row.ingredients).split(u',').size(), 3);
        QCOMPARE(RowText(BuildFoodReading(SunSign::Leo).row.ingredients).split(u',').size(), 8);
    }

    void noTwoSignsShareAText()
    {
        QSet<QString> seen;
        for (int i = 0; i < kSignCount; ++i) {
            const FoodReading r = BuildFoodReading(SignAt(i));
            for (const QString &text :
                 {RowText(r.row.eatingHabits), RowText(r.row.ingredients), RowText(r.row.preparation)}) {
                QVERIFY2(!seen.contains(text), qPrintable(SignName(r.sign)));
                seen.insert(text);
            }
        }
    }

    void textsAreStorableIn8Bits()
    {
        for (int i = 0; i < kSignCount; ++i) {
            const FoodReading r = BuildFoodReading(SignAt(i));
            for (const QString &text :
                 {RowText(r.row.eatingHabits), RowText(r.row.ingredients), RowText(r.row.preparation)}) {
                for (QChar c : text)
                    QVERIFY2(c.unicode() < 128, qPrintable(SignName(r.sign)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFoodReading)
#include "tst_food_reading.moc"
