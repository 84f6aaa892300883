// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/file_dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>

FileDialogAnswer::FileDialogAnswer(const QString &path)
    : m_path(path),
      m_watcher([this](QWidget *modal) {
          if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
              dialogTitles.append(dialog->windowTitle());
              dialog->selectFile(m_path);
              static_cast<QDialog *>(dialog)->accept(); // runs the dialog's own checks
          } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
              messages.append({box->windowTitle(), box->text(), box->icon()});
              QAbstractButton *answer = box->button(QMessageBox::Yes);
              if (!answer)
                  answer = box->button(QMessageBox::Ok);
              if (answer)
                  answer->click();
              else
                  box->close();
          } else {
              modal->close();
          }
      })
{
}
