// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing a report box, in its two forms.

class QPrinter;
class QString;
class QTextBrowser;
class QWidget;

enum class PrintForm {
    DefaultPrinter, // the whole report to the default printer, no dialog
    PrintDialog     // the print dialog, offering the selection when there is one
};

// The title a printed report carries, which print queues list and PDF
// printers write into the file: "Starbox - Travel Astrology - ANNA".
QString ReportDocumentName(const QString &programName, const QString &personName);

// Prints the box as a job of the given name. Without a printer given, the
// default printer is used (no default printer: nothing happens) or the
// dialog's choice. Cancelling and failures are silent. True when something
// was sent to print.
bool PrintReport(QTextBrowser *box, PrintForm form, QWidget *parent, const QString &documentName,
                 QPrinter *printer = nullptr);
