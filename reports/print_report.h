#pragma once

// Printing a report box, in its two forms.

class QPrinter;
class QTextBrowser;
class QWidget;

enum class PrintForm {
    DefaultPrinter, // the whole report to the default printer, no dialog
    PrintDialog     // the print dialog, offering the selection when there is one
};

// Prints the box. Without a printer given, the default printer is used (no
// default printer: nothing happens) or the dialog's choice. Cancelling and
// failures are silent. True when something was sent to print.
bool PrintReport(QTextBrowser *box, PrintForm form, QWidget *parent, QPrinter *printer = nullptr);
