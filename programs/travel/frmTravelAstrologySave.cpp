#include "programs/travel/frmTravelAstrologySave.h"

#include "programs/travel/frmTravelAstrologyDisplay.h"
#include "programs/travel/frmTravelAstrologyMain.h"
#include "reports/report_document.h"

#include <QTextCursor>

frmTravelAstrologySave::frmTravelAstrologySave(ProgramHost &host, frmTravelAstrologyDisplay *display)
    : ReportWindow(host, display, frmTravelAstrologyMain::ProgramName(),
                   QStringLiteral("frmTravelAstrologySave"), TravelFiles(), PrintForm::DefaultPrinter),
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
        {QStringLiteral("Ruling Planet: "), r.rulingPlanet},
        {QStringLiteral("Positive Traits: "), r.positiveTraits},
        {QStringLiteral("Negative Traits: "), r.negativeTraits},
        {QStringLiteral("Lucky Number: "), WithSingleAmpersands(r.luckyNumber)},
        {QStringLiteral("Lucky Color: "), r.luckyColor},
        {QStringLiteral("Lucky Day: "), r.luckyDay},
        {QStringLiteral("Compatibility: "), WithSingleAmpersands(r.compatibility)},
        {QStringLiteral("Famous Personalities Born Under this Sign: "), r.famousPersons},
        {QStringLiteral("Birth Stone: "), r.birthStone},
        {QStringLiteral("Quality: "), r.quality},
        {QStringLiteral("Travel Kind: "), r.travelKind},
        {QStringLiteral("Travel Profile: "), r.travelProfile},
    };
    // The report ends with the last maker's line.
    AppendSectionsWithMakerLine(cursor, sections, heading, value, AfterLastSection::Nothing);
}

SavedDetails frmTravelAstrologySave::savedDetails() const
{
    const TravelReading &r = m_display->reading();
    return {r.name, r.day, r.month, r.year};
}
