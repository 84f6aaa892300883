// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's services without the main window: web addresses, the encoded
// settings store, the update reminder and the single-instance lock.

#include "core/line_encoding.h"
#include "helpers/modal_watcher.h"
#include "helpers/url_catcher.h"
#include "shell/app_settings.h"
#include "shell/links.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"Settings"_s;
const QString kKey = u"Duration"_s;
const QDate kToday(2026, 12, 9);

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale::c());
        QVERIFY(m_dir.isValid());
    }

    void linkAddresses_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("home") << int(WebLink::HomePage) << u"https://www.velmora.example/"_s;
        QTest::newRow("help") << int(WebLink::OnlineHelp)
                              << u"https://www.starbox.example/starbox-help.html"_s;
        QTest::newRow("download") << int(WebLink::DownloadPage)
                                  << u"https://www.starbox.example/download-starbox.html"_s;
        QTest::newRow("full brand") << int(WebLink::FullBrandPage)
                                    << u"https://help.velmora.example/fully-branded.html"_s;
        QTest::newRow("co-brand") << int(WebLink::CoBrandPage)
                                  << u"https://help.velmora.example/co-brand.html"_s;
    }
    void linkAddresses()
    {
        QFETCH(int, link);
        QFETCH(QString, address);
        UrlCatcher browser;
        OpenLink(WebLink(link));
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(address)});
    }

    // With no browser to be found, a link command returns at once and
    // nothing else happens.
    void linksWithoutABrowserDoNothing()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_dir.filePath(u"no-programs-here"_s).toLocal8Bit());
        QElapsedTimer timer;
        timer.start();
        MessageWatcher messages;
        for (void (*open)() : {&OpenHomePage, &OpenOnlineHelp, &OpenDownloadPage, &OpenFullBrandPage, &OpenCoBrandPage})
            open();
        qputenv("PATH", path);
        QVERIFY(messages.seen().isEmpty());
        QVERIFY(timer.elapsed() < 5000);
    }

    void settingsAreStoredEncoded()
    {
        const QString file = m_dir.filePath(u"encoded.ini"_s);
        {
            AppSettings settings(file);
            QCOMPARE(settings.value(kSection, kKey), QString()); // missing reads empty
            settings.setValue(kSection, kKey, u"2026-12-09"_s);
            QCOMPARE(settings.value(kSection, kKey), u"2026-12-09"_s);
        }
        // Neither key nor value is readable in the store itself.
        QSettings raw(file, QSettings::IniFormat);
        raw.beginGroup(kSection);
        const QStringList keys = raw.childKeys();
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys.first(), FromWindows1252(EncodeText(kKey)));
        QCOMPARE(raw.value(keys.first()).toString(), FromWindows1252(EncodeText(u"2026-12-09"_s)));
        QVERIFY(!raw.value(keys.first()).toString().contains(u"2026"_s));
        // A fresh store reads back the same.
        QCOMPARE(AppSettings(file).value(kSection, kKey), u"2026-12-09"_s);
    }

    void reminderDecision_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("decision");
        const int first = int(ReminderDecision::FirstRun), notDue = int(ReminderDecision::NotDue),
                  due = int(ReminderDecision::Due);
        QTest::newRow("nothing stored") << QString() << first;
        QTest::newRow("not a date") << u"soon"_s << first;
        QTest::newRow("impossible date") << u"2026-02-30"_s << first;
        QTest::newRow("today") << u"2026-12-09"_s << notDue;
        QTest::newRow("14 days ago") << u"2026-11-25"_s << notDue;
        QTest::newRow("15 days ago") << u"2026-11-24"_s << due;
        QTest::newRow("14 days ahead") << u"2026-12-23"_s << notDue;
        QTest::newRow("15 days ahead, clock set back") << u"2026-12-24"_s << due;
        QTest::newRow("years ago") << u"2019-01-01"_s << due;
    }
    void reminderDecision()
    {
        QFETCH(QString, stored);
        QFETCH(int, decision);
        QCOMPARE(int(DecideReminder(stored, kToday)), decision);
    }

    void firstRunStoresTodayWithoutAsking()
    {
        MessageWatcher messages;
        AppSettings settings(m_dir.filePath(u"first.ini"_s));
        int opened = 0;
        RemindAboutUpdate(settings, kToday, nullptr, [&] { ++opened; });
        QCOMPARE(settings.value(kSection, kKey), u"2026-12-09"_s);
        QVERIFY(messages.seen().isEmpty());
        QCOMPARE(opened, 0);
    }

    void dueReminderAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("opened");
        QTest::newRow("yes opens the download page") << int(QMessageBox::Yes) << 1;
        QTest::newRow("no still postpones") << int(QMessageBox::No) << 0;
    }
    void dueReminderAsks()
    {
        QFETCH(int, answer);
        QFETCH(int, opened);
        MessageWatcher messages{QMessageBox::StandardButton(answer)};
        AppSettings settings(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".ini"_s));
        settings.setValue(kSection, kKey, u"2026-11-20"_s);
        int downloads = 0;
        RemindAboutUpdate(settings, kToday, nullptr, [&] { ++downloads; });
        QCOMPARE(messages.seen().size(), 1);
        QCOMPARE(messages.seen().first().text,
                 u"There maybe an update to this software available\n"
                 "Do you want to check for an update?"_s);
        QCOMPARE(messages.seen().first().icon, QMessageBox::Information);
        QCOMPARE(messages.seen().first().title, u"Starbox"_s);
        QCOMPARE(downloads, opened);
        QCOMPARE(settings.value(kSection, kKey), u"2026-12-09"_s);
        // The next start within fourteen days says nothing.
        RemindAboutUpdate(settings, kToday.addDays(14), nullptr, [&] { ++downloads; });
        QCOMPARE(messages.seen().size(), 1);
    }

    void garbageInTheStoreCountsAsMissing()
    {
        const QString file = m_dir.filePath(u"garbage.ini"_s);
        QFile garbage(file);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x00\xff[Settings\n=====\n\x01\x02\x03 garbage \xfe\n", 30);
        garbage.close();
        MessageWatcher messages;
        AppSettings settings(file);
        RemindAboutUpdate(settings, kToday, nullptr, [] {});
        QVERIFY(messages.seen().isEmpty());
        QCOMPARE(AppSettings(file).value(kSection, kKey), u"2026-12-09"_s);
    }

    // A store that can be neither read nor written (here a folder where the
    // file should be): every start behaves as a first run, silently.
    void unusableStoreActsAsAFirstRun()
    {
        const QString folder = m_dir.filePath(u"not-a-file.ini"_s);
        QVERIFY(QDir().mkpath(folder));
        MessageWatcher messages;
        int downloads = 0;
        for (int start = 0; start < 3; ++start) {
            AppSettings settings(folder);
            QCOMPARE(settings.value(kSection, kKey), QString());
            RemindAboutUpdate(settings, kToday.addDays(15 * start), nullptr, [&] { ++downloads; });
        }
        QVERIFY(messages.seen().isEmpty());
        QCOMPARE(downloads, 0);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void secondInstanceIsRefused()
    {
        SingleInstance first(m_dir.path());
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // asking again keeps it
        SingleInstance second(m_dir.path());
        QVERIFY(!second.tryAcquire());
    }

    void lockOfADeadProcessIsTakenOver()
    {
        QTemporaryDir folder;
        const QString lock = folder.filePath(u"starbox.lock"_s);
        const pid_t child = fork();
        if (child == 0) {
            QLockFile held(lock);
            _exit(held.tryLock(0) ? 0 : 1); // dies holding the lock
        }
        QVERIFY(child > 0);
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(lock));
        SingleInstance next(folder.path());
        QVERIFY(next.tryAcquire());
    }

    // The folder for the lock and the socket is the user's alone.
    void ownFolder_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("taken");
        QTest::newRow("made anew") << u"missing"_s << true;
        QTest::newRow("the user's, closed to others") << u"closed"_s << true;
        QTest::newRow("open to others") << u"open"_s << false;
        QTest::newRow("a link to a folder") << u"link"_s << false;
        QTest::newRow("a file") << u"file"_s << false;
    }
    void ownFolder()
    {
        QFETCH(QString, kind);
        QFETCH(bool, taken);
        QTemporaryDir base;
        const QString folder = base.filePath(u"instance"_s);
        const QByteArray name = QFile::encodeName(folder);
        if (kind == u"closed"_s || kind == u"open"_s)
            QCOMPARE(::mkdir(name.constData(), kind == u"open"_s ? 0755 : 0700), 0);
        if (kind == u"link"_s) {
            QVERIFY(QDir().mkdir(base.filePath(u"elsewhere"_s)));
            QVERIFY(QFile::link(base.filePath(u"elsewhere"_s), folder));
        }
        if (kind == u"file"_s) {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(SingleInstance::OwnFolder(folder), taken ? folder : QString());
        if (taken)
            QCOMPARE(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions());
    }

    // Another user's socket is a fault, and not a byte goes to it. (A
    // stranger's lock is met by a real second start in desktop_files.py.)
    void othersSocketIsAFault()
    {
        const QString file = u"starbox.socket"_s;
        if (::getuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir folder;
        QLocalServer stranger;
        QVERIFY(stranger.listen(folder.filePath(file)));
        QCOMPARE(::chown(QFile::encodeName(folder.filePath(file)).constData(), 65534, 65534), 0);
        const SingleInstance instance(folder.path());
        QVERIFY(instance.fault().contains(folder.filePath(file)));
        QVERIFY(!instance.handOver({u"/tmp/anna.tvl"_s}));
        QVERIFY(!stranger.waitForNewConnection(200));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestShellServices)
#include "tst_shell_services.moc"
