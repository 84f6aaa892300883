// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/isolation.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

void IsolateUserFiles()
{
    static QTemporaryDir folder;
    static bool done = false;
    if (done)
        return;
    done = true;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}
