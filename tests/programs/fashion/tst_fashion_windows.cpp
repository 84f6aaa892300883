// SPDX-License-Identifier: GPL-3.0-or-later
// Fashion Astrology through its real windows inside the main window: its
// fashion tab, its layout, and the profile it shares with Gift Astrology.
// What the frame gives every program is tested in tests/frame.

#include "frame/program_window.h"
#include "helpers/program_driver.h"
#include "programs/fashion/fashion_program.h"
#include "programs/fashion/fashion_reading.h"
#include "programs/gift/gift_program.h"

#include <QAction>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

const char *const kProfileFields[] = {"lblSunSign", "lblSunSignElement", "lblSunSignNumber",
                                      "lblSunSignDay", "lblSunSignCompatibility",
                                      "lblSunSignBirthStone", "txtSunSignPositiveTraits",
                                      "txtSunSignNegativeTraits"};

QStringList Profile(const ProgramDriver &program)
{
    QStringList shown;
    for (const char *name : kProfileFields)
        shown.append(program.shown(name));
    return shown;
}

void Read(ProgramDriver &program, int day, const QString &month, int year)
{
    program.enterNames(u"ANNA"_s, QString(), u"BERG"_s);
    program.enterDate(day, month, year);
    program.proceed();
}

} // namespace

class TestFashionWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_fashion = std::make_unique<ProgramDriver>(FashionProgram()); }
    void cleanup() { m_fashion.reset(); }

    void inputWindow()
    {
        QVERIFY(!m_fashion->inInput("optMale")); // no gender here
        QVERIFY(m_fashion->inInput<QLabel>("Label2")->text().startsWith(u"Orla Fashion Astrology tells"_s));
    }

    void fashionTab_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("sign");
        QTest::newRow("18 February, Aquarius") << 18 << u"February"_s << SignIndex(SunSign::Aquarius);
        QTest::newRow("19 February, Pisces") << 19 << u"February"_s << SignIndex(SunSign::Pisces);
        QTest::newRow("22 July, Leo") << 22 << u"July"_s << SignIndex(SunSign::Leo);
        QTest::newRow("Libra") << 10 << u"October"_s << SignIndex(SunSign::Libra);
    }
    void fashionTab()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, sign);
        Read(*m_fashion, day, month, 1985);
        const FashionReading r = BuildFashionReading(SignAt(sign));
        QCOMPARE(m_fashion->shown("lblSunSign"), SignName(SignAt(sign)));
        QCOMPARE(m_fashion->shown("lblBoldness"), RowText(r.row.styles[FashionStyle::Boldness]));
        QCOMPARE(m_fashion->shown("lblColorful"), RowText(r.row.styles[FashionStyle::Colorful]));
        QCOMPARE(m_fashion->shown("lblCustomMade"), RowText(r.row.styles[FashionStyle::CustomMade]));
        QCOMPARE(m_fashion->shown("lblTraditional"), RowText(r.row.styles[FashionStyle::Traditional]));
        QCOMPARE(m_fashion->shown("lblFrilly"), RowText(r.row.styles[FashionStyle::Frilly]));
        QCOMPARE(m_fashion->shown("lblPreferredColors"), RowText(r.row.preferredColors));
        QCOMPARE(m_fashion->shown("lblUndesirableColors"), RowText(r.row.undesirableColors));
        QCOMPARE(m_fashion->shown("txtFashionCharacteristics"), RowText(r.row.fashionCharacteristics));
    }

    void tabOrderOnScreen()
    {
        Read(*m_fashion, 1, u"May"_s, 1985);
        m_fashion->inDisplay<QTabWidget>("SSTab1")->setCurrentIndex(1);
        int lastY = -1;
        for (const char *name : {"lblBoldness", "lblColorful", "lblCustomMade", "lblTraditional",
                                 "lblFrilly", "txtFashionCharacteristics"}) {
            const int y = m_fashion->inDisplay(name)->mapTo(m_fashion->display(), QPoint()).y();
            QVERIFY2(y > lastY, name);
            lastY = y;
        }
        QWidget *preferred = m_fashion->inDisplay("lblPreferredColors");
        QWidget *undesirable = m_fashion->inDisplay("lblUndesirableColors");
        QCOMPARE(preferred->y(), undesirable->y());
        QVERIFY(preferred->x() < undesirable->x());
        // Stacked trait boxes, each the full width of the tab.
        QWidget *positive = m_fashion->inDisplay("txtSunSignPositiveTraits");
        QWidget *negative = m_fashion->inDisplay("txtSunSignNegativeTraits");
        QCOMPARE(positive->x(), negative->x());
        QVERIFY(positive->y() < negative->y());
    }

    void leoCharacteristicsShowTwoParagraphs()
    {
        Read(*m_fashion, 22, u"July"_s, 1985);
        auto *box = OnItsTab(m_fashion->inDisplay<QPlainTextEdit>("txtFashionCharacteristics"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->document()->blockCount(), 3);
        QCOMPARE(box->document()->findBlockByNumber(1).text(), QString());
        QVERIFY(m_fashion->shown("lblPreferredColors").endsWith(u' '));
    }

    // Every reading opens on the sun sign profile, after Back as well.
    void opensOnTheProfile()
    {
        Read(*m_fashion, 1, u"May"_s, 1985);
        auto *tabs = m_fashion->inDisplay<QTabWidget>("SSTab1");
        QCOMPARE(tabs->tabText(0), u"Sun Sign Profile"_s);
        QCOMPARE(tabs->tabText(1), u"Fashion Profile"_s);
        QCOMPARE(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(1);
        m_fashion->inDisplay<QPushButton>("cmdBack")->click();
        m_fashion->proceed();
        QCOMPARE(m_fashion->inDisplay<QTabWidget>("SSTab1")->currentIndex(), 0);
    }

    // Fashion shows Gift's profile for the same date.
    void profileEqualsGifts_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::newRow("cusp of Pisces") << 19 << u"February"_s;
        QTest::newRow("Leo") << 22 << u"July"_s;
        QTest::newRow("last of Sagittarius") << 20 << u"December"_s;
    }
    void profileEqualsGifts()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        Read(*m_fashion, day, month, 1990);
        const QStringList fashion = Profile(*m_fashion);
        ProgramDriver gift(GiftProgram());
        Read(gift, day, month, 1990);
        QCOMPARE(Profile(gift), fashion);
    }

private:
    std::unique_ptr<ProgramDriver> m_fashion;
};

QTEST_MAIN(TestFashionWindows)
#include "tst_fashion_windows.moc"
