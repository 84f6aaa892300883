#pragma once

#include <QString>

#include <memory>

class QPrinter;

// Whether pdftotext (poppler-utils) is there to read printed PDFs.
bool CanReadPdf();

// The text of a PDF file, ligatures spelt out and runs of white space made
// one blank, so that printed text compares with the report's own.
QString PdfText(const QString &pdf);

// A printer that writes a PDF file at the given path.
std::unique_ptr<QPrinter> PdfPrinter(const QString &pdf);

class ReportWindow;

// Prints a report window's report to a PDF file with its Print button,
// accepting any print dialog; how many print dialogs it showed, and how many
// other modal windows.
struct PrintedReport
{
    int printDialogs = 0;
    int otherModals = 0;
};
PrintedReport PrintReportToPdf(ReportWindow *report, const QString &pdf);
