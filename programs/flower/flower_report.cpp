// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/flower/flower_report.h"

#include "reports/report_document.h"

void composeFlowerReport(QTextCursor &cursor, const FlowerReading &reading, const Person &person)
{
    const FlowerRow &row = reading.row;
    const ReportStyle plain{false, Qt::black};
    const ReportStyle heading{true, Qt::black};
    const ReportStyle value{false, QColor(0xFF, 0x00, 0x00)};
    const QString twoBreaks = QStringLiteral("\n\n");
    AppendRun(cursor, ReportGeneratedByLine() + twoBreaks, plain);
    const QString pieces[][2] = {
        {QStringLiteral("Name :- "), person.name},
        {QStringLiteral("Date Of Birth :- "), SlashedDate(person)},
        {QStringLiteral("Sun Sign :- "), SignName(reading.sign)},
        {QStringLiteral("Positive Traits :- "), RowText(row.positiveTraits)},
        {QStringLiteral("Negative Traits :- "), RowText(row.negativeTraits)},
        {QStringLiteral("Lucky Flower :- "), RowText(row.luckyFlower)},
        {QStringLiteral("Lucky Plants :- "), RowText(row.luckyPlants)},
        {QStringLiteral("About Your Flower Plant Plants :- "), RowText(row.flowerPlantDescription)},
    };
    for (const auto &piece : pieces) {
        AppendRun(cursor, piece[0], heading);
        AppendRun(cursor, piece[1] + twoBreaks, value);
    }
    AppendRun(cursor, ReportGeneratedByLine() + QLatin1Char('\n'), value);
}
