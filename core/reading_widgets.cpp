#include "core/reading_widgets.h"

#include "core/fonts.h"
#include "core/text_label.h"

#include <QLabel>
#include <QPlainTextEdit>

QLabel *ReadingCaption(const QString &text)
{
    auto *caption = new TextLabel(text);
    caption->setFont(StarboxFont(8.25, true, true));
    return caption;
}

QLabel *ReadingValue(const QString &objectName)
{
    auto *value = new TextLabel;
    value->setObjectName(objectName);
    value->setWordWrap(true);
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
