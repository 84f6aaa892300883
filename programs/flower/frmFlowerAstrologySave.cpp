#include "programs/flower/frmFlowerAstrologySave.h"

#include "core/reading_widgets.h"
#include "programs/flower/flower_colours.h"
#include "programs/flower/flower_program.h"
#include "programs/flower/frmFlowerAstrologyDisplay.h"
#include "reports/report_document.h"

#include <QTextCursor>

frmFlowerAstrologySave::frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display)
    : ReportWindow(host, display, FlowerProgram().name,
                   FlowerProgram().reportWindow, FlowerFiles(), PrintForm::PrintDialog),
      m_display(display)
{
    addSiteLinks();
    setButtonFace(kFlowerButtonFace);
}

void frmFlowerAstrologySave::compose(QTextCursor &cursor)
{
    const auto shown = [this](const char16_t *name) { return ShownText(m_display, QString::fromUtf16(name)); };
    const ReportStyle plain{false, Qt::black};
    const ReportStyle heading{true, Qt::black};
    const ReportStyle value{false, QColor(0xFF, 0x00, 0x00)};
    const QString twoBreaks = QStringLiteral("\n\n");
    AppendRun(cursor, ReportGeneratedByLine() + twoBreaks, plain);
    const QString pieces[][2] = {
        {QStringLiteral("Name :- "), m_display->lastDetails().name},
        {QStringLiteral("Date Of Birth :- "), m_display->dateShown()},
        {QStringLiteral("Sun Sign :- "), shown(u"lblSunSignYourSunSign")},
        {QStringLiteral("Positive Traits :- "), shown(u"lblPositiveTraits")},
        {QStringLiteral("Negative Traits :- "), shown(u"lblNegativeTraits")},
        {QStringLiteral("Lucky Flower :- "), shown(u"lblLuckyFlower")},
        {QStringLiteral("Lucky Plants :- "), shown(u"lblLuckyPlants")},
        {QStringLiteral("About Your Flower Plant Plants :- "), shown(u"lblFlowerPlantDesc")},
    };
    for (const auto &piece : pieces) {
        AppendRun(cursor, piece[0], heading);
        AppendRun(cursor, piece[1] + twoBreaks, value);
    }
    AppendRun(cursor, ReportGeneratedByLine() + QLatin1Char('\n'), value);
}

SavedDetails frmFlowerAstrologySave::savedDetails() const
{
    return SavedDetailsOf(m_display->lastDetails());
}
