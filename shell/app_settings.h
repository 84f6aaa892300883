// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Per-user named values, addressed by section and key. Keys and values are
// stored encoded with EncodeLine and decoded on the way back.

#include <QString>

#include <memory>

class QSettings;

class AppSettings
{
public:
    // The user's own store, named after the application.
    AppSettings();
    // A store in the given INI file.
    explicit AppSettings(const QString &iniFile);
    ~AppSettings();

    // The decoded value; a missing key reads as the empty text.
    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    std::unique_ptr<QSettings> m_store;
};
