// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running Starbox per user: a lock file held for the whole run. A lock
// left behind by a process that no longer runs is taken over.

#include <QLockFile>
#include <QString>

class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockFile = DefaultLockFile());

    // True when this process now holds the lock.
    bool tryAcquire();

    // In the user's runtime folder, or the temporary folder without one.
    static QString DefaultLockFile();

private:
    QLockFile m_lock;
};
