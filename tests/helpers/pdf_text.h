#pragma once

#include <QString>

// Whether pdftotext (poppler-utils) is there to read printed PDFs.
bool CanReadPdf();

// The text of a PDF file, ligatures spelt out and runs of white space made
// one blank, so that printed text compares with the report's own.
QString PdfText(const QString &pdf);
