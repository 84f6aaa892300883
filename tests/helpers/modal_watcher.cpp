// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

ModalWatcher::ModalWatcher(std::function<void(QWidget *)> onModal)
    : m_onModal(std::move(onModal))
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || !modal->isVisible())
        return;
    m_last = modal;
    QPointer<QWidget> guard(modal);
    m_onModal(modal);
    if (guard && guard->isVisible())
        guard->close();
    m_last = nullptr;
}

MessageWatcher::MessageWatcher(QMessageBox::StandardButton answer)
    : m_answer(answer),
      m_watcher([this](QWidget *modal) {
          auto *box = qobject_cast<QMessageBox *>(modal);
          if (!box) {
              modal->close();
              return;
          }
          m_seen.append({box->windowTitle(), box->text(), box->icon()});
          if (QAbstractButton *button = box->button(m_answer))
              button->click();
          else
              box->reject();
      })
{
}

QStringList MessageWatcher::texts() const
{
    QStringList result;
    for (const SeenMessage &message : m_seen)
        result.append(message.text);
    return result;
}
