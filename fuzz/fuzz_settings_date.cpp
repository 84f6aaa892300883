// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings file, then reads the reminder date
// from it as a start of Starbox does. Whatever the file holds, reading it
// must not fail, an unreadable date must count as a first run, and a date
// written back must read as that date.

#include "fuzz/fuzz_check.h"
#include "shell/app_settings.h"
#include "shell/update_reminder.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings_date";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    Check(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("starbox.ini"));

    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const QDate today(2026, 12, 9);
    const QString stored = AppSettings(path).value(QStringLiteral("Settings"), QStringLiteral("Duration"));
    const ReminderDecision decision = DecideReminder(stored, today);
    if (!QDate::fromString(stored.trimmed(), Qt::ISODate).isValid())
        Check(decision == ReminderDecision::FirstRun);

    {
        AppSettings settings(path);
        settings.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), ReminderDateText(today));
    }
    Check(DecideReminder(AppSettings(path).value(QStringLiteral("Settings"), QStringLiteral("Duration")), today)
          == ReminderDecision::NotDue);
    return 0;
}
