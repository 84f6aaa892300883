// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up without a desktop: a clear message and a failing exit code
// rather than an abort inside the toolkit.

#include "shell/startup.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void displayDetection_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("X display") << QByteArray() << ":0"_ba << QByteArray() << true;
        QTest::newRow("Wayland") << QByteArray() << QByteArray() << "wayland-0"_ba << true;
        QTest::newRow("xcb asked, no display") << "xcb"_ba << QByteArray() << QByteArray() << false;
        QTest::newRow("offscreen needs none") << "offscreen"_ba << QByteArray() << QByteArray() << true;
    }
    void displayDetection()
    {
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
        const bool result = DisplayAvailable();
        set("QT_QPA_PLATFORM", saved[0]);
        set("DISPLAY", saved[1]);
        set("WAYLAND_DISPLAY", saved[2]);
        QCOMPARE(result, available);
    }

    void programWithoutDisplayExplainsAndFails()
    {
        QProcess starbox;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        starbox.setProcessEnvironment(environment);
        starbox.start(QStringLiteral(STARBOX_EXECUTABLE), {});
        QVERIFY(starbox.waitForFinished(20000));
        QCOMPARE(starbox.exitStatus(), QProcess::NormalExit);
        QCOMPARE(starbox.exitCode(), 1);
        QVERIFY(QString::fromLocal8Bit(starbox.readAllStandardError()).contains(u"no display was found"_s));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
