// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include "core/file_names.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kGreeting = QByteArrayLiteral("starbox-open\n");
const QByteArray kEnd = QByteArrayLiteral("\0\0"); // the last path's NUL, then the empty one
const QByteArray kAnswer = QByteArrayLiteral("ok\n");

// Whether path names something that belongs to another user. Nothing
// there is no one's.
bool OthersAt(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && status.st_uid != ::getuid();
}

} // namespace

SingleInstance::HandOver SingleInstance::ReadHandOver(const QByteArray &received)
{
    if (received.size() > kMaxHandOverBytes || !kGreeting.startsWith(received.left(kGreeting.size())))
        return {HandOver::Refused, {}};
    if (received.size() < kGreeting.size() + kEnd.size() || !received.endsWith(kEnd))
        return {HandOver::More, {}};
    const QByteArray paths = received.sliced(kGreeting.size(), received.size() - kGreeting.size() - kEnd.size());
    QStringList files;
    for (const QByteArray &entry : paths.split('\0')) {
        if (!entry.startsWith('/'))
            return {HandOver::Refused, {}}; // empty or relative
        files.append(FileNameFromBytes(entry));
    }
    return {HandOver::Files, files};
}

QByteArray SingleInstance::HandOverMessage(const QStringList &files)
{
    QByteArray message = kGreeting;
    for (const QString &file : files)
        message += FileNameBytes(file) + '\0';
    return message + '\0';
}

SingleInstance::SingleInstance(const QString &folder)
    : m_folder(folder)
    , m_socketPath(QDir(folder).filePath(QStringLiteral("starbox.socket")))
    , m_lock(QDir(folder).filePath(QStringLiteral("starbox.lock")))
{
    // Only a lock whose process is gone is stale: a long run keeps its lock.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    return m_lock.isLocked() || (!m_folder.isEmpty() && m_lock.tryLock(0));
}

QString SingleInstance::fault() const
{
    if (m_folder.isEmpty())
        return QStringLiteral("Starbox has no folder of your own for its lock: make sure that XDG_RUNTIME_DIR "
                              "names your runtime folder.");
    for (const QString &path : {m_lock.fileName(), m_socketPath}) {
        if (OthersAt(path))
            return QStringLiteral("%1 belongs to another user, so Starbox cannot tell whether it is running. "
                                  "Ask your administrator to remove it.")
                .arg(ShownPath(path));
    }
    return {};
}

bool SingleInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            // The newest are kept: a sender that has something to say says
            // it within milliseconds, so a crowd of idle connections never
            // keeps it out, nor uses up the open files.
            while (m_connections.size() >= kMaxConnections) {
                QLocalSocket *oldest = m_connections.takeFirst();
                oldest->abort();
                oldest->deleteLater();
            }
            m_connections.append(socket);
            connect(socket, &QObject::destroyed, this, [this, socket] { m_connections.removeOne(socket); });
            receive(socket);
        }
    });
    // Qt closes a server that fails to take a connection (with every file
    // open, say) and never opens it again: it is looked after here.
    auto *watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, [this] {
        if (!m_server->isListening())
            startListening();
    });
    watch->start(kListenCheckMs);
    return startListening();
}

bool SingleInstance::startListening()
{
    // The lock is ours, so a socket still there was left by a Starbox that
    // ended without removing it, or by a server Qt closed.
    QLocalServer::removeServer(m_socketPath);
    if (m_server->listen(m_socketPath))
        return true;
    if (!m_listenFailureSaid)
        std::fprintf(stderr, "starbox: files cannot be handed over to this Starbox: %s\n",
                     qPrintable(m_server->errorString()));
    m_listenFailureSaid = true;
    return false;
}

void SingleInstance::receive(QLocalSocket *socket)
{
    const auto drop = [socket] {
        socket->abort();
        socket->deleteLater();
    };
    // A sender that stops half-way is dropped.
    QTimer::singleShot(kHandOverTimeoutMs, socket, drop);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto *message = new QByteArray;
    connect(socket, &QObject::destroyed, this, [message] { delete message; });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, message, drop] {
        message->append(socket->readAll());
        const HandOver handOver = ReadHandOver(*message);
        if (handOver.state == HandOver::More)
            return;
        if (handOver.state == HandOver::Refused)
            return drop();
        socket->write(kAnswer);
        socket->flush();
        socket->disconnectFromServer();
        emit filesArrived(handOver.files);
    });
}

bool SingleInstance::HandOverTakes(const QStringList &files)
{
    return HandOverMessage(files).size() <= kMaxHandOverBytes;
}

bool SingleInstance::handOver(const QStringList &files) const
{
    // Not a byte to a socket that another user may have put there.
    if (!fault().isEmpty())
        return false;
    const QByteArray message = HandOverMessage(files);

    const QDeadlineTimer deadline(kHandOverTimeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(int(deadline.remainingTime()))) {
            QThread::msleep(100); // not listening yet
            continue;
        }
        socket.write(message);
        QByteArray answer;
        while (answer.size() < kAnswer.size() && socket.waitForReadyRead(int(deadline.remainingTime())))
            answer += socket.readAll();
        return answer == kAnswer;
    }
    return false;
}

QString SingleInstance::DefaultFolder()
{
    // Qt gives no runtime folder where the one it would make in the
    // temporary folder is another user's: the temporary folder, open to
    // all, is never used.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : OwnFolder(QDir(cache).filePath(QStringLiteral("starbox-instance")));
}

QString SingleInstance::OwnFolder(const QString &folder)
{
    QDir().mkpath(QFileInfo(folder).path());
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700); // or there already, and looked at below
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid()
        || (status.st_mode & 077) != 0)
        return {};
    return folder;
}
