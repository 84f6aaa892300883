// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/shown_text.h"

#include "frame/reading_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

QString ShownText(const QWidget *window, const QString &objectName)
{
    if (const auto *label = window->findChild<QLabel *>(objectName))
        return label->text();
    if (const auto *box = window->findChild<ReadingBox *>(objectName))
        return box->text();
    if (const auto *box = window->findChild<QPlainTextEdit *>(objectName))
        return box->toPlainText();
    if (const auto *line = window->findChild<QLineEdit *>(objectName))
        return line->text();
    return {};
}
