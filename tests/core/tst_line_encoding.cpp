// SPDX-License-Identifier: GPL-3.0-or-later
// The stored-text encoding and the Windows-1252 conversion beneath it.

#include "core/line_encoding.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLineEncoding : public QObject
{
    Q_OBJECT
private slots:
    void encodeShiftsUpBy85()
    {
        QCOMPARE(EncodeLine("abc"), QByteArray("\xb6\xb7\xb8"));
        QCOMPARE(DecodeLine("\xb6\xb7\xb8"), QByteArray("abc"));
    }

    void encodeDropsCodesThatWouldPass255()
    {
        QCOMPARE(EncodeLine(QByteArray("\xaa")), QByteArray("\xff"));     // 170 is the last kept
        QCOMPARE(EncodeLine(QByteArray("a\xab" "b")), QByteArray("\xb6\xb7")); // 171 dropped
        QCOMPARE(EncodeLine(QByteArray("\xff")), QByteArray());
    }

    void decodeDropsCodesBelow85()
    {
        QCOMPARE(DecodeLine(QByteArray("\x55")), QByteArray(1, '\0'));
        QCOMPARE(DecodeLine(QByteArray("\x54\xb6")), QByteArray("a"));
        QCOMPARE(DecodeLine(QByteArray("\n\r")), QByteArray());
    }

    void printableTextNeverEncodesToLineBreaks()
    {
        for (int code = 32; code <= 170; ++code) {
            const QByteArray encoded = EncodeLine(QByteArray(1, char(code)));
            QVERIFY2(!encoded.contains('\n') && !encoded.contains('\r'), QByteArray::number(code));
        }
    }

    void everyKeptByteRoundTrips()
    {
        QByteArray all;
        for (int code = 0; code <= 170; ++code)
            all.append(char(code));
        QCOMPARE(DecodeLine(EncodeLine(all)), all);
    }

    void windows1252EveryByteRoundTrips()
    {
        QByteArray all;
        for (int code = 0; code <= 255; ++code)
            all.append(char(code));
        QCOMPARE(ToWindows1252(FromWindows1252(all)), all);
    }

    void windows1252Mapping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro") << u"\u20ac"_s << QByteArray("\x80");
        QTest::newRow("curly quotes") << u"\u201cx\u201d"_s << QByteArray("\x93x\x94");
        QTest::newRow("undefined 0x8D keeps its value") << u"\u008d"_s << QByteArray("\x8d");
        QTest::newRow("latin-1 range") << u"\u00e9\u00ff"_s << QByteArray("\xe9\xff");
        QTest::newRow("outside the code page") << u"\u0416"_s << QByteArray("?");
        QTest::newRow("surrogate pair is one character") << u"a\U0001F600b"_s << QByteArray("a?b");
    }
    void windows1252Mapping()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ToWindows1252(text), bytes);
    }

    void encodedEightIsByte0x8D()
    {
        QCOMPARE(EncodeText(u"8"_s), QByteArray("\x8d"));
        QCOMPARE(DecodeText(QByteArray("\x8d")), u"8"_s);
        QCOMPARE(FromWindows1252(EncodeText(u"8"_s)), u"\u008d"_s);
    }

    void textRoundTripLosesOnlyHighCharacters()
    {
        QCOMPARE(DecodeText(EncodeText(u"ANNA 7 March 1980"_s)), u"ANNA 7 March 1980"_s);
        // e-acute is 233, above 170: it cannot be stored.
        QCOMPARE(DecodeText(EncodeText(u"REN\u00c9E"_s)), u"RENE"_s);
    }
};

QTEST_GUILESS_MAIN(TestLineEncoding)
#include "tst_line_encoding.moc"
