#include "core/messages.h"

#include <QMessageBox>

QString ApplicationTitle()
{
    return QStringLiteral("Starbox");
}

void ShowMessage(QWidget *parent, const QString &text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool AskYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
