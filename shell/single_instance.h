// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running Starbox per user, and the way files reach it.
//
// A lock file held for the whole run decides which Starbox runs; a lock
// left behind by a process that no longer runs is taken over. The running
// Starbox listens on a local socket beside the lock, in the user's runtime
// folder (0700) or, without one, in a folder of the user's own that only
// the user may enter, and the socket itself is open to the user alone, so
// no other user can reach it. A second Starbox started with files hands
// them over there, once it has made sure that the socket is the user's,
// and ends. A lock or socket of another user's there is a fault, not a
// Starbox running.
//
// What the socket takes, and nothing else:
//   "starbox-open\n", then each file as an absolute path, the bytes of its
//   name as the system has them (FileNameBytes), ended by a NUL byte, then
//   one more NUL; at most kMaxHandOverBytes in all.
// It answers "ok\n" and reports the files. Anything else (a wrong start, a
// relative path, too much, or a message not finished within
// kHandOverTimeoutMs) is dropped unanswered and the connection closed.

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

    // Why no Starbox can run or be reached here, if that is so: no folder
    // of the user's own, or a lock or socket of another user's in it.
    QString fault() const;

    // Held the lock: listens for files from later starts. Nothing arrives
    // before this. False when the socket cannot be made (said once on
    // standard error; files are not handed over until it can be, and the
    // lock still keeps a second Starbox out). A server that stops is made
    // again within kListenCheckMs; at most kMaxConnections are open at
    // once, the oldest closed for a new one.
    bool listen();

    // Whether one hand-over takes all these files (kMaxHandOverBytes).
    static bool HandOverTakes(const QStringList &files);

    // Not holding the lock: hands the files to the Starbox that holds it.
    // True when it took them. A Starbox that has only just started may not
    // listen yet: it is asked again for a moment.
    bool handOver(const QStringList &files) const;

    // The user's runtime folder, or without one the user's own
    // "starbox-instance" folder in the cache (OwnFolder); empty when
    // neither is.
    static QString DefaultFolder();

    // folder, made if missing, when it is a folder (not a link) that
    // belongs to the user and that no one else may enter; else empty.
    static QString OwnFolder(const QString &folder);

    // What the bytes received so far on one connection are: a message
    // still coming, one refused, or a whole one and its files.
    struct HandOver
    {
        enum State { More, Refused, Files } state;
        QStringList files;
    };
    static HandOver ReadHandOver(const QByteArray &received);
    // The message that hands the files over.
    static QByteArray HandOverMessage(const QStringList &files);

    static constexpr qsizetype kMaxHandOverBytes = 1 << 20;
    static constexpr int kHandOverTimeoutMs = 5000;
    static constexpr qsizetype kMaxConnections = 16;
    static constexpr int kListenCheckMs = 1000;

signals:
    // Files handed over by a later start, in the order given.
    void filesArrived(const QStringList &files);

private:
    bool startListening();
    void receive(QLocalSocket *socket);

    QString m_folder;
    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
    QList<QLocalSocket *> m_connections; // open, the oldest first
    bool m_listenFailureSaid = false;
};
