// SPDX-License-Identifier: GPL-3.0-or-later
// The four reports composed from a reading and a person alone, into a plain
// QTextDocument: no input, display or report window is made.

#include "programs/financial/financial_report.h"
#include "programs/flower/flower_report.h"
#include "programs/health/health_report.h"
#include "programs/travel/travel_report.h"
#include "reports/report_document.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

template <typename Compose, typename Reading>
QString Composed(Compose compose, const Reading &reading, const Person &person)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    compose(cursor, reading, person);
    return document.toPlainText();
}

} // namespace

class TestComposeReports : public QObject
{
    Q_OBJECT
private slots:
    void reports_data()
    {
        QTest::addColumn<Person>("person");
        // A name that looks like markup stays plain text.
        QTest::newRow("ANNA, Gemini") << Person{u"ANNA"_s, 1, u"June"_s, 1980};
        QTest::newRow("markup, Leo") << Person{u"<b>BO</b>"_s, 1, u"August"_s, 2000};
        QTest::newRow("cusp, Capricorn") << Person{u"CY"_s, 19, u"January"_s, 1999};
        QTest::newRow("cusp, Aquarius") << Person{u"DI"_s, 20, u"January"_s, 1901};
    }

    void financial_data() { reports_data(); }
    void financial()
    {
        QFETCH(Person, person);
        Person details;
        details.name = person.name;
        details.day = person.day;
        details.month = person.month;
        details.year = person.year;
        const FinancialReading r = FinancialReadingFor(details);
        const QString text = Composed(composeFinancialReport, r, person);
        const QString maker = ReportGeneratedByLine() + u"\n\n"_s;
        QVERIFY(text.startsWith(u"Name: "_s + person.name + u"\n\n\n"_s + maker + u"Date of Birth: "_s
                                + person.month + u' ' + QString::number(person.day) + u", "_s
                                + QString::number(person.year) + u"\n\n\n"_s + maker + u"Element: "_s
                                + RowText(r.row.profile.element) + u"\n\n\n"_s));
        QVERIFY(text.contains(u"Financial Profile: \n"_s + RowText(r.row.financialProfile) + u"\n\n\n"_s));
        for (int k = 0; k < kFinancialAttributeCount; ++k)
            QVERIFY(text.contains(FinancialAttributeName(k) + u'\n' + r.verdicts[std::size_t(k)] + u"\n\n\n"_s));
        QVERIFY(text.endsWith(maker));
        QCOMPARE(text.count(ReportGeneratedByLine()), 14 + kFinancialAttributeCount);
    }

    void travel_data() { reports_data(); }
    void travel()
    {
        QFETCH(Person, person);
        const TravelReading r = TravelReadingFor(person);
        const QString text = Composed(composeTravelReport, r, person);
        const QString maker = ReportGeneratedByLine();
        QVERIFY(text.startsWith(u"Name: "_s + person.name + u"\n\n\n"_s + maker + u"\n\nDate of Birth: "_s
                                + person.month + u' ' + QString::number(person.day) + u", "_s
                                + QString::number(person.year) + u"\n\n\n"_s));
        QVERIFY(text.contains(u"Element: "_s + r.element + u"\n\n\n"_s));
        QVERIFY(text.contains(u"Quality: "_s + r.quality + u"\n\n\n"_s));
        QVERIFY(text.contains(u"Lucky Number: "_s + WithSingleAmpersands(RowText(r.row.luckyNumber))));
        QVERIFY(text.endsWith(u"Travel Profile: "_s + RowText(r.row.travelProfile) + u"\n\n\n"_s + maker));
        QCOMPARE(text.count(maker), 15);
    }

    void flower_data() { reports_data(); }
    void flower()
    {
        QFETCH(Person, person);
        const FlowerReading r = BuildFlowerReading(SunSignFor(person.month, person.day, kFlowerCuspTable));
        const QString maker = ReportGeneratedByLine();
        const QString expected = maker + u"\n\nName :- "_s + person.name + u"\n\nDate Of Birth :- "_s + person.month
                                 + u'/' + QString::number(person.day) + u'/' + QString::number(person.year)
                                 + u"\n\nSun Sign :- "_s + SignName(r.sign) + u"\n\nPositive Traits :- "_s
                                 + RowText(r.row.positiveTraits) + u"\n\nNegative Traits :- "_s
                                 + RowText(r.row.negativeTraits) + u"\n\nLucky Flower :- "_s
                                 + RowText(r.row.luckyFlower) + u"\n\nLucky Plants :- "_s
                                 + RowText(r.row.luckyPlants) + u"\n\nAbout Your Flower Plant Plants :- "_s
                                 + RowText(r.row.flowerPlantDescription) + u"\n\n"_s + maker + u'\n';
        QCOMPARE(Composed(composeFlowerReport, r, person), expected);
    }

    void health_data() { reports_data(); }
    void health()
    {
        QFETCH(Person, person);
        const HealthReading r = BuildHealthReading(SunSignFor(person.month, person.day, kHealthCuspTable));
        const ConstitutionRow &c = r.constitution;
        const QString type = RowText(c.type);
        const QString maker = ReportGeneratedByLine();
        QString expected = maker + u"\n\nName :- "_s + person.name + u"\n\nDate Of Birth :- "_s + person.month
                           + u'/' + QString::number(person.day) + u'/' + QString::number(person.year)
                           + u"\n\nYour Sun Sign :- "_s + SignName(r.sign) + u"\n\nBody Part Ruled By Sun Sign :- "_s
                           + RowText(r.row.bodyPart) + u"\n\nHealth Problems :- "_s + RowText(r.row.healthProblems)
                           + u"\n\nRequired Diet :- "_s + RowText(r.row.requiredDiet) + u"\n\nDiet to Avoid :- "_s
                           + RowText(r.row.dietToAvoid) + u"\n\nDiet Advice :- "_s + RowText(r.row.dietAdvice)
                           + u"\n\nConstitution Type :- "_s + type + u'\n' + RowText(c.constitutionDescription)
                           + u"\n\n"_s;
        expected += u"Excess "_s + type + u" :-\n"_s + RowText(c.excessDescription) + u"\n\nItems to be taken :- "_s
                    + RowText(c.excessItemsToTake) + u"\n\nItems to Avoid :- "_s + RowText(c.excessItemsToAvoid)
                    + u"\n\nRemedy :- "_s + RowText(c.excessRemedy) + u"\n\n"_s;
        expected += u"Low "_s + type + u" :-\n"_s + RowText(c.lowDescription) + u"\n\nItems to be taken :- "_s
                    + RowText(c.lowItemsToTake) + u"\n\nItems to Avoid :- "_s + RowText(c.lowItemsToAvoid)
                    + u"\n\nRemedy :- "_s + RowText(c.lowRemedy) + u"\n\n"_s;
        expected += u"Characteristics :- \n"_s;
        const auto &fitness = r.row.fitness;
        for (const char *stored : {fitness[Fitness::Athletic], fitness[Fitness::Motivation], fitness[Fitness::Endurance],
                                   fitness[Fitness::Flexibility], fitness[Fitness::Routine], fitness[Fitness::TeamWork],
                                   fitness[Fitness::Focus], fitness[Fitness::Variety]})
            expected += RowText(stored) + u'\n';
        expected += u"\nMore About Your Sun Sign :- "_s + RowText(r.row.sunSignDescription) + u"\n\n"_s + maker
                    + u'\n';
        QCOMPARE(Composed(composeHealthReport, r, person), expected);
    }
};

QTEST_MAIN(TestComposeReports)
#include "tst_compose_reports.moc"
