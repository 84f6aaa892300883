// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces display windows show a reading with, styled alike everywhere.

#include <QPlainTextEdit>

class QLabel;
class QString;
class QWidget;

// A field caption: Verdana bold underlined 8.25 pt.
QLabel *ReadingCaption(const QString &text);
// A value label that wraps and shows its text as plain text. Tab reaches
// it, and a screen reader reads it with its caption, where it has one.
QLabel *ReadingValue(const QString &objectName, const QString &caption = {});
// A read-only multi-line box with a vertical scroll bar.
class ReadingBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setText(const QString &text) { setPlainText(text); }
    QString text() const { return toPlainText(); }
};

// A reading box, called by the caption shown with it.
ReadingBox *ReadingTextBox(const QString &objectName, const QString &caption = {});
