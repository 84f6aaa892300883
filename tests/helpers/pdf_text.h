// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QPrintDialog;
class QPrinter;

// Whether pdftotext (poppler-utils) is there to read printed PDFs.
bool CanReadPdf();

// The text of a PDF file, ligatures spelt out and runs of white space made
// one blank, so that printed text compares with the report's own.
QString PdfText(const QString &pdf);

// The title that a PDF file carries in its metadata, read by pdfinfo.
QString PdfTitle(const QString &pdf);

// A printer that writes a PDF file at the given path.
std::unique_ptr<QPrinter> PdfPrinter(const QString &pdf);

// Accepts a print dialog with its "Print to File (PDF)" entry chosen and the
// given file named, so that a test prints to that file even on a machine
// whose default printer is real. False if the dialog has no such entry.
bool AcceptPrintDialogToPdf(QPrintDialog *dialog, const QString &pdf);

class ReportWindow;

// Prints a report window's report to a PDF file with its Print button,
// accepting any print dialog for that file; how many print dialogs it
// showed, and how many other modal windows.
struct PrintedReport
{
    int printDialogs = 0;
    int otherModals = 0;
    bool dialogToPdf = true; // every print dialog offered the PDF file
};
PrintedReport PrintReportToPdf(ReportWindow *report, const QString &pdf);
