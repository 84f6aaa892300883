// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/print_report.h"

#include "frame/guarded_dialog.h"
#include "frame/messages.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <memory>

QString ReportDocumentName(const QString &programName, const QString &personName)
{
    QStringList parts{ApplicationTitle(), programName};
    if (!personName.trimmed().isEmpty())
        parts.append(personName.trimmed());
    return parts.join(QStringLiteral(" - "));
}

bool PrintReport(QTextBrowser *box, PrintForm form, QWidget *parent, const QString &documentName,
                 QPrinter *printer)
{
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        if (form == PrintForm::DefaultPrinter) {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            if (info.isNull())
                return false;
            own = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        } else {
            own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        printer = own.get();
    }
    // Before the dialog, which may show it, and before the first page.
    printer->setDocName(documentName);

    if (form == PrintForm::DefaultPrinter) {
        QTextCursor cursor = box->textCursor();
        cursor.clearSelection();
        box->setTextCursor(cursor);
        box->document()->print(printer);
        return true;
    }

    const bool selection = box->textCursor().hasSelection();
    GuardedDialog<QPrintDialog> dialog(printer, parent);
    dialog->setObjectName(QStringLiteral("dlgPrint"));
    dialog->setOption(QAbstractPrintDialog::PrintSelection, selection);
    dialog->setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog->setPrintRange(selection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false; // cancelled, or gone with the report window
    if (printer->printRange() == QPrinter::Selection && selection) {
        QTextDocument part;
        part.setDefaultFont(box->document()->defaultFont());
        QTextCursor(&part).insertFragment(box->textCursor().selection());
        part.print(printer);
    } else {
        box->document()->print(printer);
    }
    return true;
}
