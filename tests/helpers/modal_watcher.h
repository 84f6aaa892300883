// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the modal windows that the code under test opens: a timer looks
// for the active modal widget while the code waits in its own event loop.

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include <functional>

class ModalWatcher : public QObject
{
public:
    // onModal gets each modal widget once; it must close it.
    explicit ModalWatcher(std::function<void(QWidget *)> onModal);

private:
    void poll();

    std::function<void(QWidget *)> m_onModal;
    QTimer m_timer;
    QWidget *m_last = nullptr;
};

// What a message box showed.
struct SeenMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Records every message box and answers it with one button.
class MessageWatcher
{
public:
    explicit MessageWatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);

    const QList<SeenMessage> &seen() const { return m_seen; }
    QStringList texts() const;
    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }

private:
    QList<SeenMessage> m_seen;
    QMessageBox::StandardButton m_answer;
    ModalWatcher m_watcher;
};
