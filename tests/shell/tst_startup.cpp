// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the command line, and without a desktop a clear message and a
// failing exit code rather than an abort inside the toolkit.

#include "shell/command_line.h"
#include "shell/startup.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void displayDetection_data()
    {
        QTest::addColumn<QString>("asked"); // -platform NAME
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing") << QString() << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("X display") << QString() << QByteArray() << ":0"_ba << QByteArray() << true;
        QTest::newRow("Wayland") << QString() << QByteArray() << QByteArray() << "wayland-0"_ba << true;
        QTest::newRow("xcb asked, no display") << QString() << "xcb"_ba << QByteArray() << QByteArray() << false;
        QTest::newRow("offscreen needs none") << QString() << "offscreen"_ba << QByteArray() << QByteArray() << true;
        QTest::newRow("-platform offscreen needs none") << u"offscreen"_s << QByteArray() << QByteArray()
                                                        << QByteArray() << true;
        QTest::newRow("-platform before the variable") << u"xcb"_s << "offscreen"_ba << QByteArray()
                                                       << QByteArray() << false;
        QTest::newRow("Wayland asked, only X") << u"wayland"_s << QByteArray() << ":0"_ba << QByteArray() << false;
        QTest::newRow("either, X there") << u"wayland;xcb:dpi=96"_s << QByteArray() << ":0"_ba << QByteArray()
                                         << true;
    }
    void displayDetection()
    {
        QFETCH(QString, asked);
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, available);
        const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                    qgetenv("WAYLAND_DISPLAY")};
        const auto set = [](const char *name, const QByteArray &value) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        };
        set("QT_QPA_PLATFORM", platform);
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", wayland);
        const bool result = DisplayAvailable(asked);
        set("QT_QPA_PLATFORM", saved[0]);
        set("DISPLAY", saved[1]);
        set("WAYLAND_DISPLAY", saved[2]);
        QCOMPARE(result, available);
    }

    // The program itself, with no display at all: what it prints, where,
    // and its status.
    void commandLineWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // begins standard output
        QTest::addColumn<QString>("error");  // in standard error
        QTest::newRow("--help, after a Qt option")
            << QStringList{u"-platform"_s, u"xcb"_s, u"--help"_s} << 0 << u"Usage: "_s << QString();
        QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << u"starbox " STARBOX_VERSION "\n"_s
                                   << QString();
        QTest::newRow("unknown option") << QStringList{u"--colour"_s} << kUsageError << QString()
                                        << u"starbox: Unknown option 'colour'. Try starbox --help.\n"_s;
        QTest::newRow("--screenshot without its file") << QStringList{u"--screenshot"_s} << kUsageError
                                                       << QString() << u"Missing value after '--screenshot'"_s;
        QTest::newRow("a platform that is not there")
            << QStringList{u"-platform"_s, u"nosuch"_s} << 1 << QString()
            << u"starbox: there is no display platform called \"nosuch\"; there are "_s;
        QTest::newRow("a run needs a display") << QStringList{u"anna.tvl"_s} << 1 << QString()
                                               << u"no display was found"_s;
    }
    void commandLineWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QProcess starbox;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        starbox.setProcessEnvironment(environment);
        starbox.start(QStringLiteral(STARBOX_EXECUTABLE), arguments);
        QVERIFY(starbox.waitForFinished(20000));
        QCOMPARE(starbox.exitStatus(), QProcess::NormalExit);
        QCOMPARE(starbox.exitCode(), status);
        const QString out = QString::fromLocal8Bit(starbox.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(starbox.readAllStandardError());
        QVERIFY2(output.isEmpty() ? out.isEmpty() : out.startsWith(output), qPrintable(out));
        QVERIFY2(error.isEmpty() ? err.isEmpty() : err.contains(error), qPrintable(err));
        // The error is one line.
        QVERIFY(err.count(u'\n') <= 1 || status == 1);
    }

    // What a run is asked to do: the files, absolute and in order, past
    // the toolkit's own options and their values.
    void commandLineOfARun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("screenshot");
        QTest::addColumn<QString>("platform");
        const QString here = QDir::currentPath();
        QTest::newRow("two files, one relative")
            << QStringList{u"sub/../anna.tvl"_s, u"/tmp/rose.flo"_s}
            << QStringList{here + u"/anna.tvl"_s, u"/tmp/rose.flo"_s} << QString() << QString();
        QTest::newRow("Qt's options and their values are no files")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"-style=fusion"_s, u"-reverse"_s, u"/tmp/a.tvl"_s}
            << QStringList{u"/tmp/a.tvl"_s} << QString() << u"offscreen"_s;
        QTest::newRow("--screenshot and a file")
            << QStringList{u"--screenshot"_s, u"/tmp/main.png"_s, u"/tmp/a.flo"_s}
            << QStringList{u"/tmp/a.flo"_s} << u"/tmp/main.png"_s << QString();
    }
    void commandLineOfARun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QFETCH(QString, screenshot);
        QFETCH(QString, platform);
        const CommandLine line = ReadCommandLine(QStringList{u"starbox"_s} + arguments);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QCOMPARE(line.files, files);
        QCOMPARE(line.screenshot, screenshot);
        QCOMPARE(line.platform, platform);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
