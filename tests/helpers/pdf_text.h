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
