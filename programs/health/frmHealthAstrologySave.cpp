#include "programs/health/frmHealthAstrologySave.h"

#include "core/clickable_label.h"
#include "core/fonts.h"
#include "core/reading_widgets.h"
#include "programs/health/frmHealthAstrologyDisplay.h"
#include "programs/health/health_program.h"
#include "reports/report_document.h"

#include <QTextCursor>

namespace {

// Entries of the sixteen-colour palette that the report uses.
const QColor kPaletteBlack(0x00, 0x00, 0x00);  // 0
const QColor kPaletteTeal(0x00, 0x80, 0x80);   // 3
const QColor kPalettePurple(0x80, 0x00, 0x80); // 5
const QColor kPaletteOlive(0x80, 0x80, 0x00);  // 6
const QColor kPaletteBlue(0x00, 0x00, 0xFF);   // 9

} // namespace

frmHealthAstrologySave::frmHealthAstrologySave(ProgramHost &host, frmHealthAstrologyDisplay *display)
    : ReportWindow(host, display, HealthProgram().name, HealthProgram().reportWindow,
                   HealthFiles(), PrintForm::PrintDialog),
      m_display(display)
{
    addSiteLinks();
    setButtonFace(QColor(0xC0, 0xC0, 0xC0));
}

void frmHealthAstrologySave::compose(QTextCursor &cursor)
{
    const auto shown = [this](const char16_t *name) { return ShownText(m_display, QString::fromUtf16(name)); };
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
        {u"Name :- ", m_display->lastDetails().name},
        {u"Date Of Birth :- ", m_display->dateShown()},
        {u"Your Sun Sign :- ", shown(u"lblSunSignYourSunSign")},
        {u"Body Part Ruled By Sun Sign :- ", shown(u"lblBodyPartBySunSign")},
        {u"Health Problems :- ", shown(u"txtHealthProblems")},
        {u"Required Diet :- ", shown(u"txtRequiredDiet")},
        {u"Diet to Avoid :- ", shown(u"txtDiettoAvoid")},
        {u"Diet Advice :- ", shown(u"txtDietAdvice")},
    };
    for (const auto &[text, shownValue] : opening) {
        AppendRun(cursor, QString::fromUtf16(text), heading);
        AppendRun(cursor, shownValue + twoBr, value);
    }
    AppendRun(cursor, QStringLiteral("Constitution Type :- "), heading);
    AppendRun(cursor, shown(u"lblConstitutionType") + br, value);
    AppendRun(cursor, shown(u"lblConstitutionTypeDesc") + twoBr, value);

    // The excess part, then the low part.
    const struct { const char16_t *title, *type, *description, *take, *avoid, *remedy; } parts[] = {
        {u"Excess ", u"lblConstitutionTypeExcess", u"txtConstitutionTypeExcessDesc", u"lblExcessItemToBeTaken",
         u"lblExcessItemToAvoid", u"lblExcessRemedy"},
        {u"Low ", u"lblConstitutionTypeLow", u"txtConstitutionTypeLowDesc", u"lblLowItemToBeTaken",
         u"lblLowItemToAvoid", u"lblLowRemedy"},
    };
    for (const auto &part : parts) {
        AppendRun(cursor, QString::fromUtf16(part.title) + shown(part.type) + QStringLiteral(" :-") + br, title);
        AppendRun(cursor, shown(part.description) + twoBr, value);
        const std::pair<const char16_t *, const char16_t *> lists[] = {
            {u"Items to be taken :- ", part.take}, {u"Items to Avoid :- ", part.avoid}, {u"Remedy :- ", part.remedy}};
        for (const auto &[text, name] : lists) {
            AppendRun(cursor, QString::fromUtf16(text), item);
            AppendRun(cursor, shown(name) + twoBr, value);
        }
    }

    // The characteristics in an order of their own, not the display's.
    AppendRun(cursor, QStringLiteral("Characteristics :- ") + br, heading);
    QString characteristics;
    for (const char16_t *name : {u"lblAthletic", u"lblMotivated", u"lblEndurance", u"lblFlexibility", u"lblRoutine",
                                 u"lblTeamWork", u"lblFocus", u"lblvariety"})
        characteristics += shown(name) + br;
    AppendRun(cursor, characteristics + br, characteristic);

    AppendRun(cursor, QStringLiteral("More About Your Sun Sign :- "), heading);
    AppendRun(cursor, shown(u"txtSunSignDesc") + twoBr, value);
    AppendRun(cursor, ReportGeneratedByLine() + br, value);
}

SavedDetails frmHealthAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->lastDetails());
}
