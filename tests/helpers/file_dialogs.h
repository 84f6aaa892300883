// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the file dialogs of Save and Open with a chosen path, and records
// the message boxes that follow.

#include "helpers/modal_watcher.h"

class FileDialogAnswer
{
public:
    // Every file dialog gets this path; message boxes are recorded and
    // answered with Yes where they ask, OK otherwise.
    explicit FileDialogAnswer(const QString &path);

    QStringList dialogTitles;
    QList<SeenMessage> messages;

private:
    QString m_path;
    ModalWatcher m_watcher;
};
