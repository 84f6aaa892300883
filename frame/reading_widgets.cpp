// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/reading_widgets.h"

#include "frame/fonts.h"
#include "frame/plain_scroll_bar.h"
#include "frame/text_label.h"

#include <QLabel>
#include <QPlainTextEdit>

QLabel *ReadingCaption(const QString &text)
{
    auto *caption = new TextLabel(text);
    caption->setFont(StarboxFont(8.25, true, true));
    return caption;
}

QLabel *ReadingValue(const QString &objectName, const QString &caption)
{
    auto *value = new TextLabel;
    value->setObjectName(objectName);
    value->setWordWrap(true);
    // Tab reaches it, so that a screen reader reads it out; a click on it
    // takes nothing from the controls.
    value->setFocusPolicy(Qt::TabFocus);
    value->setAccessibleName(caption);
    return value;
}

ReadingBox *ReadingTextBox(const QString &objectName, const QString &caption)
{
    auto *box = new ReadingBox;
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    box->setReadOnly(true);
    // The arrow keys move a caret through the text, line by line, so that
    // a reader reads each line it reaches, as in a report.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBar(new PlainScrollBar(Qt::Vertical));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return box;
}
