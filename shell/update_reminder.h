// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every fourteen days Starbox reminds the user that an update may be out.

#include <QDate>
#include <QString>

#include <functional>

class AppSettings;
class QWidget;

enum class ReminderDecision {
    FirstRun, // nothing stored: store today, say nothing
    NotDue,   // the last reminder is at most 14 days away, either way
    Due       // ask, then store today
};

// A stored text that does not read as a date counts as missing.
ReminderDecision DecideReminder(const QString &storedDate, const QDate &today);

// The stored form of a date: ISO text, yyyy-MM-dd.
QString ReminderDateText(const QDate &date);

// "There maybe an update to this software available", a line break and
// "Do you want to check for an update?".
QString ReminderQuestion();

// Reads "Duration" in section "Settings", asks when due, stores today
// whatever the answer and runs openDownloadPage on Yes.
void RemindAboutUpdate(AppSettings &settings, const QDate &today, QWidget *parent,
                       const std::function<void()> &openDownloadPage);
