// SPDX-License-Identifier: GPL-3.0-or-later
// Financial Astrology's long texts, ahead of the program itself: their
// forms and length ranges.

#include "programs/financial/financial_reading.h"

#include <QSet>
#include <QString>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFinancialTexts : public QObject
{
    Q_OBJECT
private slots:
    void lengthRanges()
    {
        constexpr int kLeo = 4;
        QList<int> positive, negative, profile;
        QSet<QString> seen;
        for (int i = 0; i < 12; ++i) {
            const FinancialRow &t = RowAt(kFinancialTable, i);
            const QString texts[] = {QString::fromLatin1(t.profile.positiveTraits),
                                     QString::fromLatin1(t.profile.negativeTraits),
                                     QString::fromLatin1(t.financialProfile)};
            for (const QString &text : texts) {
                QCOMPARE(text.trimmed(), text);
                QVERIFY(!text.contains(u"  "_s));
                QVERIFY(!seen.contains(text));
                seen.insert(text);
            }
            QVERIFY(!texts[1].contains(u'\n') && !texts[2].contains(u'\n'));
            if (i == kLeo) {
                QCOMPARE(texts[0].size(), 999);
                QCOMPARE(texts[0].split(u"\n\n"_s).size(), 2);
                QCOMPARE(texts[0].count(u'\n'), 2);
            } else {
                QVERIFY(!texts[0].contains(u'\n'));
                positive.append(int(texts[0].size()));
            }
            negative.append(int(texts[1].size()));
            profile.append(int(texts[2].size()));
        }
        const auto range = [](const QList<int> &l) {
            return std::pair{*std::min_element(l.begin(), l.end()), *std::max_element(l.begin(), l.end())};
        };
        QCOMPARE(range(positive), (std::pair{513, 874}));
        QCOMPARE(range(negative), (std::pair{331, 646}));
        QCOMPARE(range(profile), (std::pair{605, 938}));
    }

    // Five to seven names joined by ", ", 70 to 110 characters, both ends
    // of the range reached.
    void famousPersons()
    {
        QList<int> lengths;
        QSet<QString> names;
        for (const FinancialRow &t : kFinancialTable) {
            const QString list = QString::fromLatin1(t.famousPersons);
            const QStringList people = list.split(u", "_s);
            QVERIFY2(people.size() >= 5 && people.size() <= 7, qPrintable(list));
            for (const QString &person : people) {
                QCOMPARE(person.trimmed(), person);
                QVERIFY2(!person.isEmpty() && !person.contains(u','), qPrintable(list));
                QVERIFY2(!names.contains(person), qPrintable(person)); // nobody under two signs
                names.insert(person);
            }
            lengths.append(int(list.size()));
        }
        QCOMPARE(*std::min_element(lengths.begin(), lengths.end()), 70);
        QCOMPARE(*std::max_element(lengths.begin(), lengths.end()), 110);
    }
};

QTEST_GUILESS_MAIN(TestFinancialTexts)
#include "tst_financial_texts.moc"
