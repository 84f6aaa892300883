#include "helpers/pdf_text.h"

#include "helpers/modal_watcher.h"
#include "reports/report_window.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
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

PrintedReport PrintReportToPdf(ReportWindow *report, const QString &pdf)
{
    const auto printer = PdfPrinter(pdf);
    report->setPrinter(printer.get());
    PrintedReport printed;
    ModalWatcher watcher([&printed](QWidget *modal) {
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            ++printed.printDialogs;
            dialog->accept();
        } else {
            ++printed.otherModals;
            modal->close();
        }
    });
    report->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
    report->setPrinter(nullptr);
    return printed;
}
