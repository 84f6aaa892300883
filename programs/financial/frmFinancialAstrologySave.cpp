#include "programs/financial/frmFinancialAstrologySave.h"

#include "programs/financial/financial_program.h"
#include "programs/financial/frmFinancialAstrologyDisplay.h"
#include "reports/report_document.h"

#include <QTextCursor>

frmFinancialAstrologySave::frmFinancialAstrologySave(ProgramHost &host,
                                                     frmFinancialAstrologyDisplay *display)
    : ReportWindow(host, display, FinancialProgram().name,
                   FinancialProgram().reportWindow, FinancialFiles(), PrintForm::DefaultPrinter),
      m_display(display)
{
    setBodyBackground(Qt::black);
}

void frmFinancialAstrologySave::compose(QTextCursor &cursor)
{
    const FinancialReading &r = m_display->reading();
    const ReportStyle heading{true, QColor(0x00, 0x80, 0x80)};
    const ReportStyle value{false, Qt::black};
    // The first thirteen values follow their headings on the same line, the
    // rest start on the next.
    QList<ReportSection> sections{
        {QStringLiteral("Name: "), r.name},
        {QStringLiteral("Date of Birth: "),
         r.month + QLatin1Char(' ') + QString::number(r.day) + QStringLiteral(", ") + QString::number(r.year)},
        {QStringLiteral("Element: "), RowText(r.row.element)},
        {QStringLiteral("Ruling Planet: "), RowText(r.row.rulingPlanet)},
        {QStringLiteral("Positive Traits: "), RowText(r.row.positiveTraits)},
        {QStringLiteral("Negative Traits: "), RowText(r.row.negativeTraits)},
        {QStringLiteral("Lucky Number: "), RowText(r.row.luckyNumber)},
        {QStringLiteral("Lucky Color: "), RowText(r.row.luckyColor)},
        {QStringLiteral("Lucky Day: "), RowText(r.row.luckyDay)},
        {QStringLiteral("Compatibility: "), RowText(r.row.compatibility)},
        {QStringLiteral("Famous Personalities Born Under this Sign: "), RowText(r.row.famousPersons)},
        {QStringLiteral("Birth Stone: "), RowText(r.row.birthStone)},
        {QStringLiteral("Quality: "), RowText(r.row.quality)},
        {QStringLiteral("Financial Profile: \n"), RowText(r.row.financialProfile)},
    };
    for (int k = 0; k < kFinancialAttributeCount; ++k)
        sections.append({FinancialAttributeName(k) + QLatin1Char('\n'), r.verdicts[std::size_t(k)]});
    AppendSectionsWithMakerLine(cursor, sections, heading, value, AfterLastSection::TwoBreaks);
}

SavedDetails frmFinancialAstrologySave::savedDetails() const
{
    const FinancialReading &r = m_display->reading();
    return {r.name, QString::number(r.day), r.month, QString::number(r.year)};
}
