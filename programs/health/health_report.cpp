// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/health_report.h"

#include "reports/report_document.h"

namespace {

// Entries of the sixteen-colour palette that the report uses.
const QColor kPaletteBlack(0x00, 0x00, 0x00);  // 0
const QColor kPaletteTeal(0x00, 0x80, 0x80);   // 3
const QColor kPalettePurple(0x80, 0x00, 0x80); // 5
const QColor kPaletteOlive(0x80, 0x80, 0x00);  // 6
const QColor kPaletteBlue(0x00, 0x00, 0xFF);   // 9

} // namespace

void composeHealthReport(QTextCursor &cursor, const HealthReading &reading, const Person &person)
{
    const HealthSignRow &row = reading.row;
    const ConstitutionRow &constitution = reading.constitution;
    const QString type = RowText(constitution.type);
    const ReportStyle plain{false, kPaletteBlack};
    const ReportStyle heading{true, kPaletteBlack};
    const ReportStyle value{false, kPalettePurple};
    const ReportStyle title{true, kPaletteTeal};
    const ReportStyle item{true, kPaletteOlive};
    const ReportStyle characteristic{false, kPaletteBlue};
    const QString br = QStringLiteral("\n");
    const QString twoBr = QStringLiteral("\n\n");

    AppendRun(cursor, ReportGeneratedByLine() + twoBr, plain);
    const std::pair<const char16_t *, QString> opening[] = {
        {u"Name :- ", person.name},
        {u"Date Of Birth :- ", SlashedDate(person)},
        {u"Your Sun Sign :- ", SignName(reading.sign)},
        {u"Body Part Ruled By Sun Sign :- ", RowText(row.bodyPart)},
        {u"Health Problems :- ", RowText(row.healthProblems)},
        {u"Required Diet :- ", RowText(row.requiredDiet)},
        {u"Diet to Avoid :- ", RowText(row.dietToAvoid)},
        {u"Diet Advice :- ", RowText(row.dietAdvice)},
    };
    for (const auto &[text, shownValue] : opening) {
        AppendRun(cursor, QString::fromUtf16(text), heading);
        AppendRun(cursor, shownValue + twoBr, value);
    }
    AppendRun(cursor, QStringLiteral("Constitution Type :- "), heading);
    AppendRun(cursor, type + br, value);
    AppendRun(cursor, RowText(constitution.constitutionDescription) + twoBr, value);

    // The excess part, then the low part.
    const struct { const char16_t *title; const char *description, *take, *avoid, *remedy; } parts[] = {
        {u"Excess ", constitution.excessDescription, constitution.excessItemsToTake,
         constitution.excessItemsToAvoid, constitution.excessRemedy},
        {u"Low ", constitution.lowDescription, constitution.lowItemsToTake, constitution.lowItemsToAvoid,
         constitution.lowRemedy},
    };
    for (const auto &part : parts) {
        AppendRun(cursor, QString::fromUtf16(part.title) + type + QStringLiteral(" :-") + br, title);
        AppendRun(cursor, RowText(part.description) + twoBr, value);
        const std::pair<const char16_t *, const char *> lists[] = {
            {u"Items to be taken :- ", part.take}, {u"Items to Avoid :- ", part.avoid}, {u"Remedy :- ", part.remedy}};
        for (const auto &[text, stored] : lists) {
            AppendRun(cursor, QString::fromUtf16(text), item);
            AppendRun(cursor, RowText(stored) + twoBr, value);
        }
    }

    // The characteristics one a line, in the display's order.
    AppendRun(cursor, QStringLiteral("Characteristics :- ") + br, heading);
    QString characteristics;
    for (const char *stored : row.fitness)
        characteristics += RowText(stored) + br;
    AppendRun(cursor, characteristics + br, characteristic);

    AppendRun(cursor, QStringLiteral("More About Your Sun Sign :- "), heading);
    AppendRun(cursor, RowText(row.sunSignDescription) + twoBr, value);
    AppendRun(cursor, ReportGeneratedByLine() + br, value);
}
