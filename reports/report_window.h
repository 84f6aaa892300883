// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frame of every report window: the rich-text box RTB with the reading
// composed into it, Save and Print, and the banner and brand labels. It is
// modal: while it is open, its display window stays on screen behind it,
// and neither that window, nor any other program window, nor the main
// window's own controls take input; closing it gives them back. Each
// program composes its own report and names the details that Save writes.

#include "frame/program_window.h"
#include "reports/print_report.h"
#include "core/saved_reading.h"

class QPrinter;
class QTextBrowser;
class QTextCursor;

class ReportWindow : public ProgramWindow
{
    Q_OBJECT
public:
    ReportWindow(ProgramHost &host, ProgramWindow *display, const QString &programName,
                 const QString &windowName, const SavedReadingKind &files, PrintForm printForm);

    // Form_Load: composes the report, turns its addresses into links and
    // shows the window in front of the display window, modal.
    void present();

    QTextBrowser *box() const { return m_box; }

    // Prints to this printer instead of the default one or a fresh one for
    // the print dialog (a PDF file, say). The window does not own it.
    void setPrinter(QPrinter *printer) { m_printer = printer; }

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();

protected:
    virtual void compose(QTextCursor &cursor) = 0;
    virtual SavedDetails savedDetails() const = 0;

    // Where a program puts controls of its own above the box.
    QVBoxLayout *aboveBox() const { return m_above; }

    // Two lines above the box that lead to the maker's home page: the
    // slogan (Label14) and an invitation to visit (Label1), black Verdana
    // bold 8.25 pt on white.
    QList<ClickableLabel *> addSiteLinks();

    // Save and Print with a face of this colour.
    void setButtonFace(const QColor &face);

    void closeEvent(QCloseEvent *event) override;

private:
    // Modal within the main window: Qt's own modality does not reach MDI
    // children, so the others are turned off while the report is open.
    void blockOtherWindows();
    void releaseOtherWindows();

    QPointer<ProgramWindow> m_display;
    QPointer<QWidget> m_focusBefore; // the display window's control in use
    QList<QPointer<QWidget>> m_blocked; // what this window turned off
    const SavedReadingKind &m_files;
    PrintForm m_printForm;
    QTextBrowser *m_box = nullptr;
    QList<QWidget *> m_boxAndButtons; // the box, Save and Print, in tab order
    QList<FaceButton *> m_buttons;    // Save and Print
    QVBoxLayout *m_above = nullptr;
    QPrinter *m_printer = nullptr;
};
