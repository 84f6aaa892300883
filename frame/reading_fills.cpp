// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/reading_fills.h"

#include "frame/reading_widgets.h"

#include <QLabel>
#include <QLineEdit>

void ShowText(QLabel *label, const QString &text)
{
    label->setText(text);
}

void ShowText(ReadingBox *box, const QString &text)
{
    box->setText(text);
}

void ShowText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}
