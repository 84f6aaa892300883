// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through a real print queue, as a user does: a Travel report to
// the default printer with no dialog, a Health report through the print
// dialog with the queue chosen in it. Not part of the suite, which never
// reaches a printer: .ci/run runs it on CI's machine once it has set up
// CUPS with a PDF printer (cups-pdf) as the default, naming the queue in
// STARBOX_REAL_PRINTER and the folder where the queue writes its files in
// STARBOX_REAL_PRINTER_OUTPUT. Each report must come out of the queue as a
// PDF file named and titled after the program and the person, holding the
// report's text.

#include "helpers/modal_watcher.h"
#include "helpers/pdf_text.h"
#include "helpers/program_driver.h"
#include "programs/health/health_program.h"
#include "programs/travel/travel_program.h"
#include "reports/report_window.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

namespace {

// Text as compared between a report and a printed file: without white
// space and hyphens, which line breaks add, move or take away; and without
// the letter pairs that print as one ligature glyph ("fi", "fl"), whose
// text the queue's conversion through PostScript does not keep (it reads
// back as a control character, which goes too).
QString Bare(const QString &text)
{
    static const QRegularExpression breaks(u"[\\s\\-\\x{00AD}\\p{C}]|ff[il]?|f[il]"_s);
    return text.normalized(QString::NormalizationForm_KC).remove(breaks);
}

// The text of a printed file without the page numbers at the foot of its
// pages, which may fall inside a paragraph that runs on to the next page.
QString PrintedText(const QString &pdf)
{
    QProcess convert;
    convert.start(u"pdftotext"_s, {pdf, u"-"_s});
    if (!convert.waitForFinished(20000))
        return {};
    static const QRegularExpression pageNumber(u"^\\s*\\d+\\s*$"_s);
    QStringList lines = QString::fromUtf8(convert.readAllStandardOutput()).split(u'\n');
    lines.removeIf([](const QString &line) { return pageNumber.match(line).hasMatch(); });
    return lines.join(u'\n');
}

} // namespace

class TestRealPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_queue = qEnvironmentVariable("STARBOX_REAL_PRINTER");
        if (m_queue.isEmpty())
            QSKIP("run by .ci/run with a real print queue: set STARBOX_REAL_PRINTER to the queue "
                  "and STARBOX_REAL_PRINTER_OUTPUT to the folder it writes to");
        m_output.setPath(qEnvironmentVariable("STARBOX_REAL_PRINTER_OUTPUT"));
        QVERIFY2(m_output.exists(), qPrintable(m_output.path()));
        QVERIFY(CanReadPdf());
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), m_queue);
    }

    void travelGoesToTheDefaultPrinter()
    {
        ProgramDriver travel(TravelProgram());
        travel.read(u"ANNA"_s, 7, u"March"_s, 1980);
        auto *report = qobject_cast<ReportWindow *>(travel.openReport());
        QVERIFY(report);
        const QStringList before = Printed();
        int modals = 0;
        ModalWatcher watcher([&modals](QWidget *modal) {
            ++modals;
            modal->close();
        });
        report->findChild<QPushButton *>(u"cmdPrint"_s)->click();
        QCOMPARE(modals, 0);
        checkPrinted(before, u"Starbox - Travel Astrology - ANNA"_s, report->box()->toPlainText());
    }

    void healthGoesThroughTheDialog()
    {
        ProgramDriver health(HealthProgram());
        health.read(u"ANNA"_s, 1, u"June"_s, 1990);
        auto *report = qobject_cast<ReportWindow *>(health.openReport());
        QVERIFY(report);
        const QStringList before = Printed();
        int dialogs = 0;
        QString chosen;
        ModalWatcher watcher([&](QWidget *modal) {
            auto *dialog = qobject_cast<QPrintDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            ++dialogs;
            auto *printers = dialog->findChild<QComboBox *>(u"printers"_s);
            const int queue = printers ? printers->findText(m_queue) : -1;
            if (queue < 0) {
                dialog->reject();
                return;
            }
            printers->setCurrentIndex(queue);
            chosen = printers->currentText();
            dialog->accept();
        });
        report->findChild<QPushButton *>(u"cmdPrint"_s)->click();
        QCOMPARE(dialogs, 1);
        QCOMPARE(chosen, m_queue);
        checkPrinted(before, u"Starbox - Health Astrology - ANNA"_s, report->box()->toPlainText());
    }

private:
    QStringList Printed() const { return m_output.entryList({u"*.pdf"_s}, QDir::Files); }

    // Waits for the queue to write the job's file: named after the job's
    // title, titled so, and holding every line of the report.
    void checkPrinted(const QStringList &before, const QString &title, const QString &report)
    {
        // cups-pdf names the file after the job's title, blanks made "_".
        const QString prefix = QString(title).replace(u' ', u'_');
        QString pdf;
        QString pdfTitle;
        QDeadlineTimer deadline(120 * 1000);
        while (!deadline.hasExpired()) {
            for (const QString &name : Printed()) {
                if (!before.contains(name) && name.startsWith(prefix))
                    pdf = m_output.filePath(name);
            }
            // A file still being written has no title to read yet.
            if (!pdf.isEmpty() && !(pdfTitle = PdfTitle(pdf)).isEmpty())
                break;
            QTest::qWait(500);
        }
        QVERIFY2(!pdf.isEmpty(), qPrintable(u"no file for the job \""_s + title + u"\" in "_s + m_output.path()
                                             + u": "_s + Printed().join(u", "_s)));
        qInfo("the queue wrote %s", qPrintable(pdf));
        // cups-pdf stamps the title of the PostScript it is given, which
        // CUPS writes as a string in parentheses.
        if (pdfTitle.startsWith(u'(') && pdfTitle.endsWith(u')'))
            pdfTitle = pdfTitle.mid(1, pdfTitle.size() - 2);
        QCOMPARE(pdfTitle, title);
        const QString printed = Bare(PrintedText(pdf));
        int lines = 0;
        for (const QString &line : report.split(u'\n')) {
            if (Bare(line).isEmpty())
                continue;
            ++lines;
            QVERIFY2(printed.contains(Bare(line)), qPrintable(u"not printed: "_s + line));
        }
        QVERIFY(lines > 10);
    }

    QString m_queue;
    QDir m_output;
};

QTEST_MAIN(TestRealPrinter)
#include "tst_real_printer.moc"
