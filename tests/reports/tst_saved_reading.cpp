// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-reading file: its bytes, its line orders, and reading files
// that are short, long, binary or endless.

#include "core/file_names.h"
#include "core/line_encoding.h"
#include "core/person.h"
#include "programs/financial/financial_reading.h"
#include "programs/flower/flower_reading.h"
#include "programs/health/health_reading.h"
#include "programs/travel/travel_reading.h"
#include "core/saved_reading.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const SavedDetails kAnna{u"ANNA"_s, u"7"_s, u"March"_s, u"1980"_s};

QByteArray Lines(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += EncodeLine(line) + "\r\n";
    return bytes;
}

} // namespace

class TestSavedReading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void fileBytes_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Travel and Financial: name, month, day, year")
            << int(LineOrder::NameMonthDayYear) << Lines({"ANNA", "March", "7", "1980"});
        QTest::newRow("Flower and Health: name, day, month, year")
            << int(LineOrder::NameDayMonthYear) << Lines({"ANNA", "7", "March", "1980"});
    }
    void fileBytes()
    {
        QFETCH(int, order);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EncodeSavedReading(kAnna, LineOrder(order)), bytes);
        QCOMPARE(DecodeSavedReading(bytes, LineOrder(order)), kAnna);
        // "A" is 65, stored as 150; the lines end in CR LF.
        QVERIFY(bytes.startsWith("\x96\xa3\xa3\x96\r\n"));
    }

    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("saveFilter");
        QTest::addColumn<QString>("openFilter");
        QTest::newRow("Financial") << 0 << u"zod"_s << int(LineOrder::NameMonthDayYear)
            << u"Save Your Zodiac Signs Result ...."_s << u"Rich Text Format (*.zod)"_s
            << u"Orla Zodiac Signs (*.zod)"_s;
        QTest::newRow("Travel") << 1 << u"tvl"_s << int(LineOrder::NameMonthDayYear)
            << u"Save Your Travel Astrology Result ...."_s << u"Rich Text Format (*.tvl)"_s
            << u"Orla Zodiac Signs (*.tvl)"_s;
        QTest::newRow("Flower") << 2 << u"flo"_s << int(LineOrder::NameDayMonthYear)
            << u"Orla Flower Astrology"_s << u"Orla Flower Astrology (*.flo)"_s
            << u"Orla Flower Astrology (*.flo)"_s;
        QTest::newRow("Health") << 3 << u"hel"_s << int(LineOrder::NameDayMonthYear)
            << u"Orla Health Astrology"_s << u"Orla Health Astrology (*.hel)"_s
            << u"Orla Health Astrology (*.hel)"_s;
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, extension);
        QFETCH(int, order);
        QFETCH(QString, title);
        QFETCH(QString, saveFilter);
        QFETCH(QString, openFilter);
        const SavedReadingKind *kinds[] = {&FinancialFiles(), &TravelFiles(), &FlowerFiles(),
                                           &HealthFiles()};
        const SavedReadingKind &k = *kinds[kind];
        QCOMPARE(k.extension, extension);
        QCOMPARE(int(k.order), order);
        QCOMPARE(k.saveTitle, title);
        QCOMPARE(k.saveFilter, saveFilter);
        QCOMPARE(k.openFilter, openFilter);
    }

    void partialAndExtraLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SavedDetails>("details");
        QTest::newRow("name only") << Lines({"ANNA"}) << SavedDetails{u"ANNA"_s, {}, {}, {}};
        QTest::newRow("no final line break") << EncodeLine("ANNA") + "\r\n" + EncodeLine("7")
                                             << SavedDetails{u"ANNA"_s, u"7"_s, {}, {}};
        QTest::newRow("bare line feeds") << EncodeLine("ANNA") + "\n" + EncodeLine("7") + "\n"
                                         << SavedDetails{u"ANNA"_s, u"7"_s, {}, {}};
        QTest::newRow("lone carriage returns")
            << EncodeLine("ANNA") + "\r" + EncodeLine("7") + "\r" + EncodeLine("March") + "\r"
            << SavedDetails{u"ANNA"_s, u"7"_s, u"March"_s, {}};
        QTest::newRow("NUL bytes") << EncodeLine("AN") + QByteArray(3, '\0') + EncodeLine("NA") + "\r\n"
                                   << SavedDetails{u"ANNA"_s, {}, {}, {}};
        QTest::newRow("an empty line keeps its place")
            << "\r\n" + EncodeLine("7") + "\r\n" << SavedDetails{{}, u"7"_s, {}, {}};
        QTest::newRow("a fifth line is ignored") << Lines({"ANNA", "7", "March", "1980", "EXTRA"})
                                                 << kAnna;
        QTest::newRow("empty file") << QByteArray() << SavedDetails{};
        QTest::newRow("bytes below 85 are dropped")
            << EncodeLine("AN") + QByteArray("\x01\x10") + EncodeLine("NA") + "\r\n"
            << SavedDetails{u"ANNA"_s, {}, {}, {}};
    }
    void partialAndExtraLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SavedDetails, details);
        QCOMPARE(DecodeSavedReading(bytes, LineOrder::NameDayMonthYear), details);
    }

    void extension_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << u"/tmp/anna.tvl"_s << true;
        QTest::newRow("capitals") << u"/tmp/anna.TVL"_s << false;
        QTest::newRow("mixed") << u"/tmp/anna.Tvl"_s << false;
        QTest::newRow("other kind") << u"/tmp/anna.flo"_s << false;
        QTest::newRow("no extension") << u"/tmp/anna"_s << false;
    }
    void extension()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(HasExtension(path, u"tvl"_s), accepted);
    }

    void writeAndReadBack()
    {
        const QString path = m_dir.filePath(u"anna.tvl"_s);
        QVERIFY(WriteSavedReading(path, kAnna, LineOrder::NameMonthDayYear));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), Lines({"ANNA", "March", "7", "1980"}));
        QCOMPARE(ReadSavedReading(path, LineOrder::NameMonthDayYear), std::optional(kAnna));
        // Saving again replaces the whole content.
        const SavedDetails bo{u"BO"_s, u"1"_s, u"May"_s, u"2001"_s};
        QVERIFY(WriteSavedReading(path, bo, LineOrder::NameMonthDayYear));
        QCOMPARE(ReadSavedReading(path, LineOrder::NameMonthDayYear), std::optional(bo));
    }

    // A Flower file keeps its line order under the Health extension.
    void flowerFileReadsAsHealth()
    {
        const QString flower = m_dir.filePath(u"anna.flo"_s);
        QVERIFY(WriteSavedReading(flower, kAnna, FlowerFiles().order));
        const QString health = m_dir.filePath(u"anna.hel"_s);
        QVERIFY(QFile::copy(flower, health));
        QCOMPARE(ReadSavedReading(health, HealthFiles().order), std::optional(kAnna));
    }

    void failedWriteSaysSo()
    {
        QString error;
        QVERIFY(!WriteSavedReading(m_dir.path(), kAnna, LineOrder::NameMonthDayYear, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteSavedReading(m_dir.filePath(u"missing/folder/anna.tvl"_s), kAnna,
                                   LineOrder::NameMonthDayYear));
        QVERIFY(!QFile::exists(m_dir.filePath(u"missing/folder/anna.tvl"_s)));
    }

    // Opening a file puts its date back into the lists only where a line is
    // written as the lists write it; anything else is a number no list holds.
    void savedPerson_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("readDay");
        QTest::addColumn<int>("readYear");
        QTest::newRow("as the lists write them") << u"7"_s << u"1980"_s << 7 << 1980;
        QTest::newRow("a leading nought") << u"07"_s << u"01980"_s << 0 << 0;
        QTest::newRow("blanks around") << u" 7"_s << u"1980 "_s << 0 << 0;
        QTest::newRow("a plus sign") << u"+7"_s << u"+1980"_s << 0 << 0;
        QTest::newRow("letters") << u"seven"_s << u"19eighty"_s << 0 << 0;
        QTest::newRow("missing lines") << QString() << QString() << 0 << 0;
        QTest::newRow("too long for a number") << u"99999999999"_s << u"1980"_s << 0 << 1980;
    }
    void savedPerson()
    {
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(int, readDay);
        QFETCH(int, readYear);
        const Person person = SavedPerson({u" anna "_s, day, u"Marc"_s, year});
        QCOMPARE(person.name, u" anna "_s); // as stored
        QCOMPARE(person.day, readDay);
        QCOMPARE(person.month, u"Marc"_s); // as stored: no list holds it
        QCOMPARE(person.year, readYear);
    }

    void missingFileReadsNothing()
    {
        QCOMPARE(ReadSavedReading(m_dir.filePath(u"none.tvl"_s), LineOrder::NameMonthDayYear),
                 std::nullopt);
    }

    // Hostile files: bounded work, no crash, what can be restored restored.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name"); // expected name; "-" for nothing readable
        QTest::newRow("empty") << u"empty"_s << QString();
        QTest::newRow("one line") << u"one line"_s << u"ANNA"_s;
        QTest::newRow("five lines") << u"five lines"_s << u"ANNA"_s;
        QTest::newRow("100 MB in one line") << u"huge"_s << QString(kMaxSavedLineBytes, u'A');
        QTest::newRow("binary") << u"binary"_s << u"?"_s; // any name, but no crash
        QTest::newRow("a device without end") << u"endless"_s << u"-"_s;
        QTest::newRow("a pipe nothing writes to") << u"pipe"_s << u"-"_s;
        QTest::newRow("a directory") << u"directory"_s << u"-"_s;
        QTest::newRow("a name that is not UTF-8") << u"latin1"_s << u"ANNA"_s;
        QTest::newRow("no read permission") << u"unreadable"_s << u"?"_s; // root may still read it
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QString path = m_dir.filePath(kind + u".tvl"_s);
        const auto write = [&path](const QByteArray &bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        };
        if (kind == u"empty"_s) {
            write({});
        } else if (kind == u"one line"_s) {
            write(EncodeLine("ANNA") + "\r\n");
        } else if (kind == u"five lines"_s) {
            write(Lines({"ANNA", "March", "7", "1980", "MORE"}));
        } else if (kind == u"huge"_s) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray block(1 << 20, char(0x96)); // "A" encoded, no line end
            for (int i = 0; i < 100; ++i)
                QCOMPARE(file.write(block), block.size());
        } else if (kind == u"binary"_s) {
            QByteArray bytes;
            for (int i = 0; i < 200000; ++i)
                bytes.append(char((i * 7919) % 256));
            write(bytes);
        } else if (kind == u"endless"_s) {
            path = u"/dev/zero"_s;
        } else if (kind == u"pipe"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"directory"_s) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == u"latin1"_s) {
            // The bytes a Latin-1 system gave "lat1-é.tvl"; opened by the
            // name that carries them.
            const QByteArray bytes = QFile::encodeName(m_dir.path()) + "/lat1-\xe9.tvl";
            const QByteArray content = Lines({"ANNA"});
            const int handle = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
            QVERIFY(handle >= 0);
            QCOMPARE(::write(handle, content.constData(), content.size()), content.size());
            ::close(handle);
            path = FileNameFromBytes(bytes);
        } else if (kind == u"unreadable"_s) {
            write(Lines({"ANNA"}));
            QFile::setPermissions(path, QFileDevice::Permissions());
        }
        QElapsedTimer timer;
        timer.start();
        const auto details = ReadSavedReading(path, LineOrder::NameMonthDayYear);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        if (name == u"-"_s) {
            QVERIFY(!details || details->name.isEmpty());
        } else if (name != u"?"_s) {
            QVERIFY(details);
            QCOMPARE(details->name, name);
        }
        if (details)
            QVERIFY(details->name.size() <= kMaxSavedLineBytes);
        if (kind == u"five lines"_s)
            QCOMPARE(*details, kAnna);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSavedReading)
#include "tst_saved_reading.moc"
