// SPDX-License-Identifier: GPL-3.0-or-later
// Health Astrology's long texts, ahead of the program itself: each to its
// exact length, one paragraph, no two alike.

#include "programs/health/health_reading.h"

#include <QSet>
#include <QString>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHealthTexts : public QObject
{
    Q_OBJECT
private slots:
    void signTexts_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QList<int>>("lengths"); // description, problems, diet, to avoid, advice
        const char *signs[] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                               "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
        const QList<int> lengths[12] = {
            {532, 177, 273, 36, 149}, {556, 492, 317, 51, 69},  {478, 371, 479, 96, 108},
            {542, 232, 393, 79, 106}, {482, 353, 417, 62, 118}, {537, 295, 462, 151, 96},
            {538, 463, 490, 147, 133}, {521, 279, 500, 71, 75}, {420, 474, 472, 188, 76},
            {552, 252, 310, 47, 120}, {529, 340, 527, 54, 69},  {354, 307, 281, 54, 83}};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(signs[i]) << i << lengths[i];
    }
    void signTexts()
    {
        QFETCH(int, sign);
        QFETCH(QList<int>, lengths);
        const HealthSignRow &t = RowAt(kHealthSignTable, sign);
        const char *texts[] = {t.sunSignDescription, t.healthProblems, t.requiredDiet, t.dietToAvoid,
                               t.dietAdvice};
        QList<int> measured;
        for (const char *text : texts) {
            const QString s = QString::fromLatin1(text);
            QVERIFY(!s.contains(u'\n'));
            QCOMPARE(s.trimmed(), s);
            measured.append(int(s.size()));
        }
        QCOMPARE(measured, lengths);
    }

    void constitutionTexts()
    {
        const QList<int> expected[4] = {{349, 167, 281}, {275, 280, 222}, {222, 252, 187}, {291, 315, 331}};
        for (int i = 0; i < 4; ++i) {
            const ConstitutionRow &t = RowAt(kConstitutionTable, i);
            QCOMPARE((QList<int>{int(qstrlen(t.constitutionDescription)), int(qstrlen(t.excessDescription)),
                                 int(qstrlen(t.lowDescription))}),
                     expected[i]);
        }
    }

    void noTwoAlike()
    {
        QSet<QString> seen;
        for (const HealthSignRow &t : kHealthSignTable) {
            for (const char *text : {t.sunSignDescription, t.healthProblems, t.requiredDiet, t.dietToAvoid, t.dietAdvice}) {
                QVERIFY(!seen.contains(QString::fromLatin1(text)));
                seen.insert(QString::fromLatin1(text));
            }
        }
        for (const ConstitutionRow &t : kConstitutionTable) {
            for (const char *text : {t.constitutionDescription, t.excessDescription, t.lowDescription}) {
                QVERIFY(!seen.contains(QString::fromLatin1(text)));
                seen.insert(QString::fromLatin1(text));
            }
        }
        QCOMPARE(seen.size(), 72);
    }
};

QTEST_GUILESS_MAIN(TestHealthTexts)
#include "tst_health_texts.moc"
