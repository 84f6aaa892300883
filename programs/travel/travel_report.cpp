// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/travel/travel_report.h"

#include "reports/report_document.h"

void composeTravelReport(QTextCursor &cursor, const TravelReading &reading, const Person &person)
{
    const TravelRow &row = reading.row;
    const ReportStyle heading{true, QColor(0x00, 0x80, 0x80)};
    const ReportStyle value{false, Qt::black};
    const QList<ReportSection> sections{
        {QStringLiteral("Name: "), person.name},
        {QStringLiteral("Date of Birth: "), WrittenDate(person)},
        {QStringLiteral("Element: "), reading.element},
        {QStringLiteral("Ruling Planet: "), RowText(row.rulingPlanet)},
        {QStringLiteral("Positive Traits: "), RowText(row.positiveTraits)},
        {QStringLiteral("Negative Traits: "), RowText(row.negativeTraits)},
        {QStringLiteral("Lucky Number: "), WithSingleAmpersands(RowText(row.luckyNumber))},
        {QStringLiteral("Lucky Color: "), RowText(row.luckyColor)},
        {QStringLiteral("Lucky Day: "), RowText(row.luckyDay)},
        {QStringLiteral("Compatibility: "), WithSingleAmpersands(RowText(row.compatibility))},
        {QStringLiteral("Famous Personalities Born Under this Sign: "), RowText(row.famousPersons)},
        {QStringLiteral("Birth Stone: "), RowText(row.birthStone)},
        {QStringLiteral("Quality: "), reading.quality},
        {QStringLiteral("Travel Kind: "), RowText(row.travelKind)},
        {QStringLiteral("Travel Profile: "), RowText(row.travelProfile)},
    };
    // The report ends with the last maker's line.
    AppendSectionsWithMakerLine(cursor, sections, heading, value, AfterLastSection::Nothing);
}
