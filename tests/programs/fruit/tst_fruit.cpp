// SPDX-License-Identifier: GPL-3.0-or-later
// Fruit Astrology: its table and its windows, where a fruit is chosen by
// its picture. What the frame gives every program is tested in
// tests/frame.

#include "frame/clickable_label.h"
#include "frame/program_window.h"
#include "frame/sign_pictures.h"
#include "helpers/program_driver.h"
#include "programs/fruit/fruit_pictures.h"
#include "programs/fruit/fruit_program.h"
#include "programs/fruit/fruit_reading.h"

#include <QAction>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFruit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_fruit = std::make_unique<ProgramDriver>(FruitProgram()); }
    void cleanup() { m_fruit.reset(); }

    void table_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const struct { const char *name, *opening; int length; } rows[12] = {
            {"Apple", "If you have a liking for the sweet and juicy apple,", 588},
            {"Banana", "Your compassionate nature and sympathetic understanding", 598},
            {"Black Grapes", "You are well known for your modesty and good manners.", 553},
            {"Cherry", "The round luscious cherries intrigue your mind", 594},
            {"Coconut", "The coconut loving persons choose their friends", 576},
            {"Custard Apple", "You respect time honored values and ideas", 634},
            {"Mango", "A mango lover with a deep affinity", 604},
            {"Orange", "Those favoring orange over all other fruits", 631},
            {"Paneapple", "If you have a strong fascination for pineapple,", 627},
            {"Papaya", "If you love papaya best of all kinds of fruits,", 560},
            {"Peach", "Peach loving persons always look at the sunny side of life.", 612},
            {"Pear", "You have a problem in concentrating in a specific task.", 628},
        };
        for (int i = 0; i < 12; ++i)
            QTest::addRow("%s", rows[i].name) << i << QString::fromLatin1(rows[i].name)
                                              << QString::fromLatin1(rows[i].opening) << rows[i].length;
    }
    void table()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, opening);
        QFETCH(int, length);
        const FruitRow &fruit = RowAt(kFruitTable, index);
        const QString interpretation = RowText(fruit.interpretation);
        QCOMPARE(RowText(fruit.name), name);
        QVERIFY(interpretation.startsWith(opening));
        QCOMPARE(interpretation.size(), length);
        QVERIFY(!interpretation.contains(u'\n'));
        QVERIFY(!FruitSmallPictures().resource(index + 1).isEmpty());
        QVERIFY(!FruitBigPictures().resource(index + 1).isEmpty());
        QVERIFY(FruitSmallPictures().resource(index + 1) != FruitBigPictures().resource(index + 1));
        QCOMPARE(RowText(RowAt(kFruitTable, 12).name), QString());
    }

    void choosingFruits()
    {
        m_fruit->inInput<QLineEdit>("txtFirstName")->setText(u"ANNA"_s);
        m_fruit->proceed();
        QWidget *choose = m_fruit->inDisplay("fraChoose");
        QWidget *result = m_fruit->inDisplay("fraResult");
        QVERIFY(choose->isVisible() && !result->isVisible());
        const QList<ClickableLabel *> pictures = m_fruit->display()->findChildren<ClickableLabel *>(u"picSmallFruit"_s);
        QCOMPARE(pictures.size(), 12);
        const auto picture = [&pictures](int index) -> QWidget * {
            for (QWidget *p : pictures)
                if (p->property("index").toInt() == index)
                    return p;
            return nullptr;
        };
        for (int i = 0; i < 12; ++i)
            QVERIFY(!static_cast<QLabel *>(picture(i))->pixmap().isNull());

        QTest::mouseClick(picture(8), Qt::LeftButton);
        QVERIFY(result->isVisible() && !choose->isVisible());
        QCOMPARE(m_fruit->shown("lblFruitName"), u"Paneapple"_s);
        QVERIFY(m_fruit->shown("lblFruitDesc").startsWith(u"If you have a strong fascination for pineapple,"_s));

        // Apple, back inside, then Pear: nothing of Apple is left.
        m_fruit->inDisplay<QPushButton>("cmdResultBack")->click();
        QVERIFY(choose->isVisible());
        QTest::mouseClick(picture(0), Qt::LeftButton);
        const QImage apple = m_fruit->inDisplay<QLabel>("picBigFruit")->pixmap().toImage();
        m_fruit->inDisplay<QPushButton>("cmdResultBack")->click();
        QTest::mouseClick(picture(11), Qt::LeftButton);
        QCOMPARE(m_fruit->shown("lblFruitName"), u"Pear"_s);
        QCOMPARE(m_fruit->shown("lblFruitDesc"), RowText(RowAt(kFruitTable, 11).interpretation));
        QVERIFY(m_fruit->inDisplay<QLabel>("picBigFruit")->pixmap().toImage() != apple);

        // Back to the input window, and a new Proceed starts on the choice.
        m_fruit->inDisplay<QPushButton>("cmdBack")->click();
        m_fruit->input()->findChild<QAction *>(u"mnuNext"_s)->trigger();
        QVERIFY(m_fruit->inDisplay("fraChoose")->isVisible());
        QVERIFY(!m_fruit->inDisplay("fraResult")->isVisible());
    }

private:
    std::unique_ptr<ProgramDriver> m_fruit;
};

QTEST_MAIN(TestFruit)
#include "tst_fruit.moc"
