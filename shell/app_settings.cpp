// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_settings.h"

#include "core/line_encoding.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString Stored(const QString &text)
{
    return FromWindows1252(EncodeText(text));
}

QString Path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + Stored(key);
}

} // namespace

AppSettings::AppSettings()
    : m_store(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                          QCoreApplication::applicationName(),
                                          QCoreApplication::applicationName()))
{
}

AppSettings::AppSettings(const QString &iniFile)
    : m_store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

AppSettings::~AppSettings() = default;

QString AppSettings::value(const QString &section, const QString &key) const
{
    const QVariant stored = m_store->value(Path(section, key));
    if (!stored.canConvert<QString>())
        return {};
    return DecodeText(ToWindows1252(stored.toString()));
}

void AppSettings::setValue(const QString &section, const QString &key, const QString &value)
{
    m_store->setValue(Path(section, key), Stored(value));
    m_store->sync();
}
