// Zodiac Power Sign through its real windows, reached by the hidden entry.

#include "core/frame/program_window.h"
#include "core/sun_sign.h"
#include "helpers/modal_watcher.h"
#include "helpers/program_driver.h"
#include "pluto_changes.h"

#include <QAction>
#include <QDate>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPowerSignWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { m_power = std::make_unique<ProgramDriver>(ReadingProgram::ZodiacPowerSign); }
    void cleanup() { m_power.reset(); }

    void inputWindow()
    {
        QCOMPARE(m_power->input()->windowTitle(), u"Orla Zodiac Power Sign"_s);
        auto *years = m_power->inInput<QComboBox>("cboYear");
        QCOMPARE(years->count(), 123);
        QCOMPARE(years->itemText(122), u"2022"_s);
        QCOMPARE(m_power->inInput<QPushButton>("cmdNext")->text(), u"Find My Zodiac &Power Sign"_s);
        QVERIFY(!m_power->inInput<QLabel>("Picture1")->pixmap().isNull());
        QVERIFY(TabsThrough({m_power->inInput("txtName"), m_power->inInput("cboDate"),
                             m_power->inInput("cboMonth"), m_power->inInput("cboYear")}));
    }

    // The four messages, in their order, each through the window.
    void messagesInOrder()
    {
        MessageWatcher messages;
        m_power->inInput<QLineEdit>("txtName")->setText(QString());
        m_power->enterDate(30, u"February"_s, 1901);
        m_power->inInput("cmdNext")->setFocus();
        m_power->proceed();
        QCOMPARE(m_power->main().focusWidget()->objectName(), u"txtName"_s);
        m_power->inInput<QLineEdit>("txtName")->setText(u"ANNA"_s);
        m_power->proceed();
        m_power->enterDate(31, u"June"_s, 1901);
        m_power->proceed();
        m_power->enterDate(29, u"February"_s, 1901);
        m_power->proceed();
        QCOMPARE(messages.texts(), (QStringList{u"Please Enter Your Name"_s,
                                                u"Please Enter Correct Date of Birth!"_s,
                                                u"Please Enter Correct Date of Birth !"_s,
                                                u"Please Enter Correct Date Or Month!"_s}));
        QVERIFY(!m_power->display());
    }

    void twoReadingsInARow()
    {
        m_power->inInput<QLineEdit>("txtName")->setText(u"  "_s); // blanks pass
        m_power->enterDate(30, u"July"_s, 1972);
        m_power->proceed();
        QCOMPARE(m_power->shown("lblPowerSign"), u"Virgo"_s);
        QVERIFY(m_power->shown("lblSignDesc").startsWith(u"You care a lot about others."_s));
        m_power->inDisplay<QPushButton>("cmdBack")->click();
        QCOMPARE(m_power->inInput<QComboBox>("cboDate")->currentText(), u"30"_s);
        QCOMPARE(m_power->inInput<QLineEdit>("txtName")->text(), u"  "_s);
        m_power->enterDate(31, u"July"_s, 1972);
        m_power->input()->findChild<QAction *>(u"mnuFindPowerSign"_s)->trigger();
        QCOMPARE(m_power->shown("lblPowerSign"), u"Libra"_s);
        QVERIFY(m_power->shown("lblSignDesc").startsWith(u"This combination can make"_s));
        m_power->inDisplay<QPushButton>("cmdExit")->click();
        QVERIFY(m_power->selectorVisible());
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
