// SPDX-License-Identifier: GPL-3.0-or-later
// Gift Astrology through its real windows inside the main window: its
// genders, its signs, its two tabs and its gift ideas. What the frame gives
// every program is tested in tests/frame.

#include "frame/program_window.h"
#include "helpers/program_driver.h"
#include "helpers/url_catcher.h"
#include "programs/gift/gift_program.h"
#include "programs/gift/gift_reading.h"

#include <QAction>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList Ideas(const ProgramDriver &gift)
{
    QStringList ideas(5);
    for (QLabel *label : gift.display()->findChildren<QLabel *>(u"lblGiftIdeas"_s))
        ideas[label->property("index").toInt()] = label->text();
    return ideas;
}

QStringList Profile(const ProgramDriver &gift)
{
    QStringList shown;
    for (const char *name : {"lblSunSign", "lblSunSignElement", "lblSunSignNumber", "lblSunSignDay",
                             "lblSunSignCompatibility", "lblSunSignBirthStone",
                             "txtSunSignPositiveTraits", "txtSunSignNegativeTraits"})
        shown.append(gift.shown(name));
    return shown;
}

} // namespace

class TestGiftWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_gift = std::make_unique<ProgramDriver>(GiftProgram()); }
    void cleanup() { m_gift.reset(); }

    void inputWindow()
    {
        QVERIFY(m_gift->inInput<QRadioButton>("optMale")->isChecked());
        QVERIFY(!m_gift->inInput<QRadioButton>("optFemale")->isChecked());
        for (const char *frame : {"fraName", "Frame1", "Frame3", "fraBirthDay"})
            QVERIFY2(m_gift->inInput(frame), frame);
        // The month list stands left of the day list.
        QVERIFY(m_gift->inInput("cboMonth")->x() < m_gift->inInput("cboDate")->x());
        QVERIFY(m_gift->inInput("cboDate")->x() < m_gift->inInput("cboYear")->x());
    }

    void introductionOpensTheFullBrandPage()
    {
        UrlCatcher browser;
        QTest::mouseClick(m_gift->inInput("Label2"), Qt::LeftButton);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(u"https://help.velmora.example/fully-branded.html"_s)});
    }

    void signs_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::newRow("29 February 1900") << 29 << u"February"_s << 1900 << u"Pisces"_s;
        QTest::newRow("29 February 2000") << 29 << u"February"_s << 2000 << u"Pisces"_s;
        QTest::newRow("19 January") << 19 << u"January"_s << 1990 << u"Capricorn"_s;
        QTest::newRow("20 January") << 20 << u"January"_s << 1990 << u"Aquarius"_s;
        QTest::newRow("18 February") << 18 << u"February"_s << 1990 << u"Aquarius"_s;
        QTest::newRow("19 February") << 19 << u"February"_s << 1990 << u"Pisces"_s;
        QTest::newRow("20 March") << 20 << u"March"_s << 1990 << u"Pisces"_s;
        QTest::newRow("21 March") << 21 << u"March"_s << 1990 << u"Aries"_s;
        QTest::newRow("20 December") << 20 << u"December"_s << 1990 << u"Sagittarius"_s;
        QTest::newRow("21 December") << 21 << u"December"_s << 1990 << u"Capricorn"_s;
    }
    void signs()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, sign);
        m_gift->enterNames(u"ANNA"_s, QString(), u"BERG"_s);
        m_gift->enterDate(day, month, year);
        m_gift->proceed();
        QVERIFY(m_gift->display());
        QCOMPARE(m_gift->shown("lblSunSign"), sign);
    }

    void displayedReading()
    {
        m_gift->enterNames(u"ANNA"_s, QString(), u"BERG"_s);
        m_gift->enterDate(19, u"February"_s, 1990);
        m_gift->proceed();
        const GiftReading pisces = BuildGiftReading(SunSign::Pisces, Gender::Male);
        QCOMPARE(Profile(*m_gift),
                 (QStringList{u"Pisces"_s, u"Water"_s, u"2 and 6"_s, u"Friday"_s,
                              u"Taurus and Virgo"_s, u"Aquamarine"_s, RowText(pisces.row.profile.positiveTraits),
                              RowText(pisces.row.profile.negativeTraits)}));
        QCOMPARE(Ideas(*m_gift), RowTexts(pisces.giftIdeas));
        QCOMPARE(m_gift->shown("lblMoreAboutSunSign"), RowText(pisces.row.giftPersonality));
        auto *picture = m_gift->inDisplay<QLabel>("picSunSign");
        QCOMPARE(picture->size(), QSize(200, 200));
        QVERIFY(!picture->pixmap().isNull());
        for (const char *box : {"txtSunSignPositiveTraits", "txtSunSignNegativeTraits"})
            QVERIFY(m_gift->inDisplay<QPlainTextEdit>(box)->isReadOnly());
        QVERIFY(!m_gift->input()->isVisible());
        QVERIFY(!m_gift->selectorVisible());
    }

    // Back, the other gender, again: other ideas, the same profile; and
    // every reading opens on "Gift Profile".
    void genderAfterBack()
    {
        m_gift->enterNames(u"ANNA"_s, u"MARIA"_s, u"BERG"_s);
        m_gift->enterDate(19, u"February"_s, 1990);
        m_gift->proceed();
        auto *tabs = m_gift->inDisplay<QTabWidget>("SSTab1");
        QCOMPARE(tabs->tabText(0), u"Sun Sign Profile"_s);
        QCOMPARE(tabs->tabText(1), u"Gift Profile"_s);
        QCOMPARE(tabs->currentIndex(), 1);
        const QStringList profile = Profile(*m_gift);
        QCOMPARE(Ideas(*m_gift).first(), u"Kaleidoscope"_s);
        tabs->setCurrentIndex(0);

        QPointer<ProgramWindow> first = m_gift->display();
        m_gift->inDisplay<QPushButton>("cmdBack")->click();
        QTRY_VERIFY(first.isNull());

        m_gift->inInput<QRadioButton>("optFemale")->setChecked(true);
        m_gift->input()->findChild<QAction *>(u"mnuNext"_s)->trigger();
        QCOMPARE(m_gift->inDisplay<QTabWidget>("SSTab1")->currentIndex(), 1);
        QCOMPARE(Ideas(*m_gift), (QStringList{u"Showering Gels"_s, u"Bath Salts"_s, u"Poetry Books"_s,
                                              u"Perfumes"_s, u"Slippers"_s}));
        QCOMPARE(Profile(*m_gift), profile);
    }

    void namesDoNotChangeTheReading()
    {
        m_gift->enterNames(u"ANNA"_s, QString(), u"BERG"_s);
        m_gift->enterDate(3, u"October"_s, 1975);
        m_gift->proceed();
        const QStringList first = Profile(*m_gift) + Ideas(*m_gift);
        m_gift->display()->findChild<QAction *>(u"mnuBack"_s)->trigger();
        m_gift->enterNames(u"ZED"_s, u"Q"_s, u"X"_s);
        m_gift->proceed();
        QCOMPARE(Profile(*m_gift) + Ideas(*m_gift), first);
    }

private:
    std::unique_ptr<ProgramDriver> m_gift;
};

QTEST_MAIN(TestGiftWindows)
#include "tst_gift_windows.moc"
