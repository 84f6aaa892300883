// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockFile)
    : m_lock(lockFile)
{
    // Only a lock whose process is gone is stale: a long run keeps its lock.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::DefaultLockFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("starbox.lock"));
}
