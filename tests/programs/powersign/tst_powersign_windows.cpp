// SPDX-License-Identifier: GPL-3.0-or-later
// Zodiac Power Sign through its real windows, reached by the hidden entry:
// its signs at every change, one reading after another. What the frame
// gives every program is tested in tests/frame.

#include "frame/program_window.h"
#include "core/sun_sign.h"
#include "helpers/program_driver.h"
#include "pluto_changes.h"
#include "programs/powersign/powersign_program.h"

#include <QAction>
#include <QDate>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPowerSignWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_power = std::make_unique<ProgramDriver>(PowerSignProgram()); }
    void cleanup() { m_power.reset(); }

    void inputWindow()
    {
        QVERIFY(!m_power->inInput<QLabel>("Picture1")->pixmap().isNull());
    }

    void twoReadingsInARow()
    {
        m_power->inInput<QLineEdit>("txtName")->setText(u"  "_s); // blanks pass
        m_power->enterDate(30, u"July"_s, 1972);
        m_power->proceed();
        QCOMPARE(m_power->shown("lblPowerSign"), u"Virgo"_s);
        QVERIFY(m_power->shown("lblSignDesc").startsWith(u"You care a lot about others."_s));
        m_power->inDisplay<QPushButton>("cmdBack")->click();
        QCOMPARE(m_power->inInput<QLineEdit>("txtName")->text(), u"  "_s);
        m_power->enterDate(31, u"July"_s, 1972);
        m_power->input()->findChild<QAction *>(u"mnuFindPowerSign"_s)->trigger();
        QCOMPARE(m_power->shown("lblPowerSign"), u"Libra"_s);
        QVERIFY(m_power->shown("lblSignDesc").startsWith(u"This combination can make"_s));
    }

    // Both sides of every change, through the window's lists.
    void everyChangeThroughTheWindow()
    {
        m_power->inInput<QLineEdit>("txtName")->setText(u"ANNA"_s);
        for (const Change &c : kChanges) {
            const QDate start(c.year, c.month, c.day);
            for (const auto &[date, sign] : {std::pair{start.addDays(-1), c.before}, std::pair{start, c.after}}) {
                m_power->enterDate(date.day(), MonthNames().at(date.month() - 1), date.year());
                m_power->proceed();
                QVERIFY2(m_power->display(), qPrintable(date.toString(Qt::ISODate)));
                QCOMPARE(m_power->shown("lblPowerSign"), QString::fromLatin1(sign));
                m_power->inDisplay<QPushButton>("cmdBack")->click();
            }
        }
    }

    void leapDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::newRow("1900") << 1900 << u"Gemini"_s;
        QTest::newRow("2000") << 2000 << u"Sagittarius"_s;
    }
    void leapDays()
    {
        QFETCH(int, year);
        QFETCH(QString, sign);
        m_power->inInput<QLineEdit>("txtName")->setText(u"ANNA"_s);
        m_power->enterDate(29, u"February"_s, year);
        m_power->proceed();
        QCOMPARE(m_power->shown("lblPowerSign"), sign);
    }

private:
    std::unique_ptr<ProgramDriver> m_power;
};

QTEST_MAIN(TestPowerSignWindows)
#include "tst_powersign_windows.moc"
