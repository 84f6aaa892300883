// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_window.h"

#include "frame/clickable_label.h"
#include "frame/fonts.h"
#include "frame/plain_scroll_bar.h"
#include "frame/program_host.h"
#include "reports/report_files.h"
#include "reports/report_links.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The report box. Tab goes from address to address in it, and says so:
// Qt's text browser reports the address reached (highlighted) only on
// keypad systems, and a screen reader announces it from that report.
class ReportBrowser : public QTextBrowser
{
protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool handled = QTextBrowser::focusNextPrevChild(next);
        const QTextCursor reached = textCursor();
        QString link;
        if (hasFocus() && reached.hasSelection()) {
            QTextCursor inside = reached;
            inside.setPosition(reached.selectionStart() + 1);
            link = inside.charFormat().anchorHref();
        }
        emit highlighted(QUrl(link));
        return handled;
    }
};

} // namespace

ReportWindow::ReportWindow(ProgramHost &host, ProgramWindow *display, const QString &programName,
                           const QString &windowName, const SavedReadingKind &files,
                           PrintForm printForm)
    : ProgramWindow(host, programName, windowName, WindowRole::Report),
      m_display(display), m_files(files), m_printForm(printForm)
{
    m_above = new QVBoxLayout;
    body()->addLayout(m_above);

    m_box = new ReportBrowser;
    m_box->setObjectName(QStringLiteral("RTB"));
    m_box->setAccessibleName(programName + QStringLiteral(" Report"));
    // A caret that the arrow keys move, line by line and word by word, so
    // that a screen reader reads the report piece by piece; Tab still goes
    // from address to address.
    m_box->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    m_box->setFont(StarboxFont(9.75));
    m_box->document()->setDefaultFont(StarboxFont(9.75));
    // Every report is longer than the box; a bar that is always there
    // keeps its width from changing as the report arrives.
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The report's runs are black and coloured, as on paper: they sit on
    // white whatever the desktop's colours, and the bar keeps the desktop's.
    QPalette page = m_box->palette();
    page.setColor(QPalette::Base, Qt::white);
    SetTextColour(page, QPalette::Text, Qt::black);
    page.setColor(QPalette::Link, Qt::blue);
    m_box->setPalette(page);
    m_box->setVerticalScrollBar(new PlainScrollBar(Qt::Vertical));
    // Designed at 7665 by 6135 twips; it may shrink to fit a smaller area.
    m_box->setMinimumSize(Twips(7665), Twips(4500));
    body()->addWidget(m_box, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_buttons = {button(QStringLiteral("&Save"), QStringLiteral("cmdSave"), &ReportWindow::cmdSave_Click),
                 button(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), &ReportWindow::cmdPrint_Click)};
    m_boxAndButtons = {m_box, m_buttons[0], m_buttons[1]};
    buttons->addWidget(m_buttons[0]);
    buttons->addWidget(m_buttons[1]);
    body()->addLayout(buttons);

    // While the report is open nothing else takes the keys, so Escape
    // closes it, as it closes a dialog; Ctrl+W and Ctrl+F4 close it as
    // they close any window of the area.
    auto *closeReport = new QAction(this);
    closeReport->setShortcut(Qt::Key_Escape);
    closeReport->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(closeReport);
    connect(closeReport, &QAction::triggered, this, &QWidget::close);
}

QList<ClickableLabel *> ReportWindow::addSiteLinks()
{
    const struct { const char16_t *name; const char16_t *text; } links[] = {
        {u"Label14", u"Velmora, the liveliest discussion forum on astrology and the esoteric arts"},
        {u"Label1", u"Come and visit us at Velmora!"}};
    QList<ClickableLabel *> labels;
    for (const auto &link : links) {
        auto *label = new ClickableLabel(QString::fromUtf16(link.text));
        label->setObjectName(QString::fromUtf16(link.name));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(StarboxFont(8.25, true));
        label->setMargin(2);
        Paint(label, Qt::black, Qt::white);
        connect(label, &ClickableLabel::clicked, this, [this] { host().openLink(WebLink::HomePage); });
        m_above->addWidget(label);
        labels.append(label);
    }
    // Above the report on screen, and so before it for Tab.
    QWidget *previous = labels.last();
    QWidget::setTabOrder(labels.first(), previous);
    for (QWidget *control : m_boxAndButtons) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    return labels;
}

void ReportWindow::setButtonFace(const QColor &face)
{
    for (FaceButton *button : std::as_const(m_buttons))
        button->setFace(face);
}

void ReportWindow::present()
{
    // Composed, links and all, as one edit once the window has its size,
    // the report is laid out once, at the box's own width, rather than
    // after every piece and again for every change of width while the
    // window settles.
    // Closing the report gives the keyboard back where it was.
    m_focusBefore = m_display ? m_display->controlInUse() : nullptr;
    open();
    m_box->clear();
    QTextCursor cursor(m_box->document());
    cursor.beginEditBlock();
    compose(cursor);
    EnableReportLinks(m_box, [this](const QUrl &address) { host().openAddress(address); });
    cursor.endEditBlock();
    m_box->moveCursor(QTextCursor::Start);
    blockOtherWindows();
}

void ReportWindow::blockOtherWindows()
{
    for (QMdiSubWindow *window : mdiArea()->subWindowList()) {
        if (window != this && window->isEnabled()) {
            window->setEnabled(false);
            m_blocked.append(window);
        }
    }
    host().setOwnControlsEnabled(false);
    raise();
    mdiArea()->setActiveSubWindow(this);
}

void ReportWindow::releaseOtherWindows()
{
    for (const QPointer<QWidget> &window : std::as_const(m_blocked)) {
        if (window)
            window->setEnabled(true);
    }
    m_blocked.clear();
    host().setOwnControlsEnabled(true);
}

void ReportWindow::cmdSave_Click()
{
    SaveReading(this, m_files, savedDetails());
}

void ReportWindow::cmdPrint_Click()
{
    PrintReport(m_box, m_printForm, this, ReportDocumentName(programName(), savedDetails().name), m_printer);
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    // The report goes with the window: its addresses need not be turned
    // back into plain text, which would lay it all out again.
    DisableReportLinks(m_box, LinkText::AsItIs);
    releaseOtherWindows();
    if (m_display)
        m_display->show();
    ProgramWindow::closeEvent(event);
    // The display window is the one in use again.
    if (event->isAccepted() && m_display && m_display->isVisible() && mdiArea()) {
        mdiArea()->setActiveSubWindow(m_display);
        // Once the area has given the display window its focus back, which
        // it does on its own, the control that had it has it again.
        if (m_focusBefore)
            QTimer::singleShot(0, m_focusBefore, [control = m_focusBefore] { control->setFocus(Qt::OtherFocusReason); });
    }
}
