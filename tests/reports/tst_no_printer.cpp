// SPDX-License-Identifier: GPL-3.0-or-later
// The suite runs with CUPS asked at a socket that is not there, so that no
// test can send a job to a printer of the machine, whatever it has; tests
// that print name a PDF file of their own.

#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcessEnvironment>
#include <QTest>

using namespace Qt::StringLiterals;

class TestNoPrinter : public QObject
{
    Q_OBJECT
private slots:
    void noPrinterIsWithinReach()
    {
        const QStringList printers = QPrinterInfo::availablePrinterNames();
        QVERIFY2(printers.isEmpty(), qPrintable(u"within reach: "_s + printers.join(u", "_s)));
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    }

    // And so for the programs that a test starts: they inherit it.
    void childProcessesInheritTheDeadServer()
    {
        const QString server = QProcessEnvironment::systemEnvironment().value(u"CUPS_SERVER"_s);
        QVERIFY2(server.startsWith(u'/'), qPrintable(server));
        QVERIFY2(!QFileInfo::exists(server), qPrintable(server));
    }
};

QTEST_MAIN(TestNoPrinter)
#include "tst_no_printer.moc"
