#include "programs/travel/frmTravelAstrologySave.h"

#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "programs/travel/travel_program.h"
#include "reports/report_document.h"

#include <QTextCursor>

frmTravelAstrologySave::frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display)
    : ReportWindow(host, display, TravelProgram().name,
                   TravelProgram().reportWindow, TravelFiles(), PrintForm::DefaultPrinter),
      m_display(display)
{
}

void frmTravelAstrologySave::compose(QTextCursor &cursor)
{
    const TravelReading &r = m_display->reading();
    const ReportStyle heading{true, QColor(0x00, 0x80, 0x80)};
    const ReportStyle value{false, Qt::black};
    const QList<ReportSection> sections{
        {QStringLiteral("Name: "), r.name},
        {QStringLiteral("Date of Birth: "), r.month + QLatin1Char(' ') + r.day + QStringLiteral(", ") + r.year},
        {QStringLiteral("Element: "), r.element},
        {QStringLiteral("Ruling Planet: "), RowText(r.row.rulingPlanet)},
        {QStringLiteral("Positive Traits: "), RowText(r.row.positiveTraits)},
        {QStringLiteral("Negative Traits: "), RowText(r.row.negativeTraits)},
        {QStringLiteral("Lucky Number: "), WithSingleAmpersands(RowText(r.row.luckyNumber))},
        {QStringLiteral("Lucky Color: "), RowText(r.row.luckyColor)},
        {QStringLiteral("Lucky Day: "), RowText(r.row.luckyDay)},
        {QStringLiteral("Compatibility: "), WithSingleAmpersands(RowText(r.row.compatibility))},
        {QStringLiteral("Famous Personalities Born Under this Sign: "), RowText(r.row.famousPersons)},
        {QStringLiteral("Birth Stone: "), RowText(r.row.birthStone)},
        {QStringLiteral("Quality: "), r.quality},
        {QStringLiteral("Travel Kind: "), RowText(r.row.travelKind)},
        {QStringLiteral("Travel Profile: "), RowText(r.row.travelProfile)},
    };
    // The report ends with the last maker's line.
    AppendSectionsWithMakerLine(cursor, sections, heading, value, AfterLastSection::Nothing);
}

SavedDetails frmTravelAstrologySave::savedDetails() const
{
    const TravelReading &r = m_display->reading();
    return {r.name, r.day, r.month, r.year};
}
