#include "core/reading_widgets.h"

#include "core/fonts.h"

#include <QLabel>
#include <QPlainTextEdit>

QLabel *ReadingCaption(const QString &text)
{
    auto *caption = new QLabel(text);
    caption->setFont(StarboxFont(8.25, true, true));
    caption->setTextFormat(Qt::PlainText);
    return caption;
}

QLabel *ReadingValue(const QString &objectName)
{
    auto *value = new QLabel;
    value->setObjectName(objectName);
    value->setTextFormat(Qt::PlainText);
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}

QPlainTextEdit *ReadingTextBox(const QString &objectName)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}
