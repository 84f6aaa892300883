#pragma once

// The pieces display windows show a reading with, styled alike everywhere.

class QLabel;
class QPlainTextEdit;
class QString;
class QWidget;

// A field caption: Verdana bold underlined 8.25 pt.
QLabel *ReadingCaption(const QString &text);
// A value label that wraps and shows its text as plain text.
QLabel *ReadingValue(const QString &objectName);
// A read-only multi-line box with a vertical scroll bar.
QPlainTextEdit *ReadingTextBox(const QString &objectName);

// What a window's label or box of this objectName shows; empty when there
// is none. Reports read a reading back from its display window this way.
QString ShownText(const QWidget *window, const QString &objectName);
