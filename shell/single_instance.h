// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running Starbox per user, and the way files reach it.
//
// A lock file held for the whole run decides which Starbox runs; a lock
// left behind by a process that no longer runs is taken over. The running
// Starbox listens on a local socket beside the lock, in the user's runtime
// folder (0700) and itself open to the user alone, so no other user can
// reach it. A second Starbox started with files hands them over there and
// ends.
//
// What the socket takes, and nothing else:
//   "starbox-open\n", then each file as an absolute path in UTF-8 ended by
//   a NUL byte, then one more NUL; at most kMaxHandOverBytes in all.
// It answers "ok\n" and reports the files. Anything else (a wrong start, a
// relative path, text that is not UTF-8, too much, or a message not
// finished within kHandOverTimeoutMs) is dropped unanswered and the
// connection closed.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // The lock and the socket in the folder: "starbox.lock", "starbox.socket".
    explicit SingleInstance(const QString &folder = DefaultFolder());

    // True when this process now holds the lock.
    bool tryAcquire();

    // Held the lock: listens for files from later starts. Nothing arrives
    // before this. False when the socket cannot be made (files are then
    // not handed over; the lock still keeps a second Starbox out).
    bool listen();

    // Not holding the lock: hands the files to the Starbox that holds it.
    // True when it took them. A Starbox that has only just started may not
    // listen yet: it is asked again for a moment.
    bool handOver(const QStringList &files) const;

    // The user's runtime folder, or the temporary folder without one.
    static QString DefaultFolder();

    static constexpr qsizetype kMaxHandOverBytes = 1 << 20;
    static constexpr int kHandOverTimeoutMs = 5000;

signals:
    // Files handed over by a later start, in the order given.
    void filesArrived(const QStringList &files);

private:
    void receive(QLocalSocket *socket);

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
