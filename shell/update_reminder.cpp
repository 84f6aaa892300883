// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/update_reminder.h"

#include "frame/messages.h"
#include "shell/app_settings.h"

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
constexpr int kReminderDays = 14;

QDate ReadDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), Qt::ISODate);
}

} // namespace

ReminderDecision DecideReminder(const QString &storedDate, const QDate &today)
{
    const QDate last = ReadDate(storedDate);
    if (!last.isValid())
        return ReminderDecision::FirstRun;
    const qint64 days = today.daysTo(last);
    return (days >= -kReminderDays && days <= kReminderDays) ? ReminderDecision::NotDue
                                                             : ReminderDecision::Due;
}

QString ReminderDateText(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString ReminderQuestion()
{
    return QStringLiteral("There maybe an update to this software available\n"
                          "Do you want to check for an update?");
}

void RemindAboutUpdate(AppSettings &settings, const QDate &today, QWidget *parent,
                       const std::function<void()> &openDownloadPage)
{
    switch (DecideReminder(settings.value(kSection, kKey), today)) {
    case ReminderDecision::NotDue:
        return;
    case ReminderDecision::FirstRun:
        settings.setValue(kSection, kKey, ReminderDateText(today));
        return;
    case ReminderDecision::Due:
        break;
    }
    const bool check = AskYesNo(parent, ReminderQuestion());
    settings.setValue(kSection, kKey, ReminderDateText(today));
    if (check && openDownloadPage)
        openDownloadPage();
}
