#include "programs/flower/frmFlowerAstrologySave.h"

#include "core/clickable_label.h"
#include "core/program_host.h"
#include "programs/flower/frmFlowerAstrologyDisplay.h"
#include "programs/flower/frmFlowerAstrologyMain.h"
#include "reports/report_document.h"

#include <QLabel>
#include <QTextCursor>
#include <QVBoxLayout>

frmFlowerAstrologySave::frmFlowerAstrologySave(ProgramHost &host, frmFlowerAstrologyDisplay *display)
    : ReportWindow(host, display, frmFlowerAstrologyMain::ProgramName(),
                   QStringLiteral("frmFlowerAstrologySave"), FlowerFiles(), PrintForm::PrintDialog),
      m_display(display)
{
    const struct { const char16_t *name; const char16_t *text; } links[] = {
        {u"Label14", u"Velmora, the liveliest discussion forum on astrology and the esoteric arts"},
        {u"Label1", u"Come and visit us at Velmora!"}};
    for (const auto &link : links) {
        auto *label = new ClickableLabel(QString::fromUtf16(link.text));
        label->setObjectName(QString::fromUtf16(link.name));
        label->setAlignment(Qt::AlignCenter);
        connect(label, &ClickableLabel::clicked, this, [this] { this->host().openLink(WebLink::HomePage); });
        aboveBox()->addWidget(label);
    }
}

QString frmFlowerAstrologySave::shown(const char *label) const
{
    const auto *found = m_display->findChild<QLabel *>(QString::fromLatin1(label));
    return found ? found->text() : QString();
}

void frmFlowerAstrologySave::compose(QTextCursor &cursor)
{
    const ReportStyle plain{false, Qt::black};
    const ReportStyle heading{true, Qt::black};
    const ReportStyle value{false, QColor(0xFF, 0x00, 0x00)};
    const QString twoBreaks = QStringLiteral("\n\n");
    AppendRun(cursor, ReportGeneratedByLine() + twoBreaks, plain);
    const QString pieces[][2] = {
        {QStringLiteral("Name :- "), m_display->lastDetails().name},
        {QStringLiteral("Date Of Birth :- "), m_display->dateShown()},
        {QStringLiteral("Sun Sign :- "), shown("lblSunSignYourSunSign")},
        {QStringLiteral("Positive Traits :- "), shown("lblPositiveTraits")},
        {QStringLiteral("Negative Traits :- "), shown("lblNegativeTraits")},
        {QStringLiteral("Lucky Flower :- "), shown("lblLuckyFlower")},
        {QStringLiteral("Lucky Plants :- "), shown("lblLuckyPlants")},
        {QStringLiteral("About Your Flower Plant Plants :- "), shown("lblFlowerPlantDesc")},
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
