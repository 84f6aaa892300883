// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/financial/financial_report.h"

#include "reports/report_document.h"

void composeFinancialReport(QTextCursor &cursor, const FinancialReading &reading, const Person &person)
{
    const FinancialRow &row = reading.row;
    const SignProfile &profile = row.profile;
    const ReportStyle heading{true, QColor(0x00, 0x80, 0x80)};
    const ReportStyle value{false, Qt::black};
    // The first thirteen values follow their headings on the same line, the
    // rest start on the next.
    QList<ReportSection> sections{
        {QStringLiteral("Name: "), person.name},
        {QStringLiteral("Date of Birth: "), WrittenDate(person)},
        {QStringLiteral("Element: "), RowText(profile.element)},
        {QStringLiteral("Ruling Planet: "), RowText(row.rulingPlanet)},
        {QStringLiteral("Positive Traits: "), RowText(profile.positiveTraits)},
        {QStringLiteral("Negative Traits: "), RowText(profile.negativeTraits)},
        {QStringLiteral("Lucky Number: "), RowText(profile.luckyNumber)},
        {QStringLiteral("Lucky Color: "), RowText(row.luckyColor)},
        {QStringLiteral("Lucky Day: "), RowText(profile.luckyDay)},
        {QStringLiteral("Compatibility: "), RowText(profile.compatibility)},
        {QStringLiteral("Famous Personalities Born Under this Sign: "), RowText(row.famousPersons)},
        {QStringLiteral("Birth Stone: "), RowText(profile.birthstone)},
        {QStringLiteral("Quality: "), RowText(row.quality)},
        {QStringLiteral("Financial Profile: \n"), RowText(row.financialProfile)},
    };
    for (int k = 0; k < kFinancialAttributeCount; ++k)
        sections.append({FinancialAttributeName(k) + QLatin1Char('\n'), reading.verdicts[std::size_t(k)]});
    AppendSectionsWithMakerLine(cursor, sections, heading, value, AfterLastSection::TwoBreaks);
}
