// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the benchmark and the screenshot walker: a control by its objectName,
// which must exist.

#include <QWidget>

template <typename T>
T *FindControl(QWidget *root, const char *name)
{
    T *found = root->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

template <typename T>
T *FindControl(QWidget *root, const QString &name)
{
    return FindControl<T>(root, qPrintable(name));
}
