// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/messages.h"

#include "frame/guarded_dialog.h"

#include <QMessageBox>

QString ApplicationTitle()
{
    return QStringLiteral("Starbox");
}

void ShowMessage(QWidget *parent, const QString &text, MessageIcon icon)
{
    GuardedDialog<QMessageBox> box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                                   ApplicationTitle(), text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box.exec();
}

bool AskYesNo(QWidget *parent, const QString &text)
{
    GuardedDialog<QMessageBox> box(QMessageBox::Information, ApplicationTitle(), text,
                                   QMessageBox::Yes | QMessageBox::No, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
