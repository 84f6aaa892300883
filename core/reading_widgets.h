#pragma once

// The pieces display windows show a reading with, styled alike everywhere.

#include <QPlainTextEdit>

class QLabel;
class QString;
class QWidget;

// A field caption: Verdana bold underlined 8.25 pt.
QLabel *ReadingCaption(const QString &text);
// A value label that wraps and shows its text as plain text.
QLabel *ReadingValue(const QString &objectName);
// A read-only multi-line box with a vertical scroll bar. Its text is laid
// out when the box is first shown, at its final width: a box on a tab not
// yet chosen, or in a window still being built, costs nothing until then.
class ReadingBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setText(const QString &text);
    // The text, whether laid out yet or not.
    QString text() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_pending;
    bool m_hasPending = false;
};

// A reading box, called by the caption shown with it.
ReadingBox *ReadingTextBox(const QString &objectName, const QString &caption = {});
