// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/pdf_text.h"

#include "helpers/modal_watcher.h"
#include "reports/report_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
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

QString PdfTitle(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(20000))
        return {};
    static const QRegularExpression title(QStringLiteral("^Title: *(.*)$"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(info.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

std::unique_ptr<QPrinter> PdfPrinter(const QString &pdf)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
}

bool AcceptPrintDialogToPdf(QPrintDialog *dialog, const QString &pdf)
{
    // The dialog lists the system's printers, its default one chosen, and
    // last "Print to File (PDF)" with the file name box that goes with it.
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!printers || !fileName || printers->count() == 0) {
        dialog->reject();
        return false;
    }
    printers->setCurrentIndex(printers->count() - 1);
    if (!fileName->isEnabled()) { // the last entry is a printer, not the file
        dialog->reject();
        return false;
    }
    fileName->setText(pdf);
    dialog->accept();
    return true;
}

PrintedReport PrintReportToPdf(ReportWindow *report, const QString &pdf)
{
    const auto printer = PdfPrinter(pdf);
    report->setPrinter(printer.get());
    PrintedReport printed;
    ModalWatcher watcher([&printed, &pdf](QWidget *modal) {
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            ++printed.printDialogs;
            printed.dialogToPdf = AcceptPrintDialogToPdf(dialog, pdf) && printed.dialogToPdf;
        } else {
            ++printed.otherModals;
            modal->close();
        }
    });
    report->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
    report->setPrinter(nullptr);
    return printed;
}
