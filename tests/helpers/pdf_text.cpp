#include "helpers/pdf_text.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

bool CanReadPdf()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QString &pdf)
{
    QProcess convert;
    convert.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!convert.waitForFinished(20000))
        return {};
    return QString::fromUtf8(convert.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

std::unique_ptr<QPrinter> PdfPrinter(const QString &pdf)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
}
