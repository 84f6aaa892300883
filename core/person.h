// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The person a reading is for, as it flows from the input window to the
// display window, the report and the saved file. The month is its name
// ("January" ... "December"), as the date lists, the reports and the saved
// files spell it; the day and year are numbers, printed without padding.
// Qt Core only.
struct Person
{
    QString name;
    int day = 1;    // 1..31
    QString month;  // "March"
    int year = 1900;

    bool operator==(const Person &) const = default;
};

// The person with no blanks around the name, as most readings keep it
// (Travel keeps the name exactly as typed).
inline Person WithNameTrimmed(Person person)
{
    person.name = person.name.trimmed();
    return person;
}

// The date as the input window's lists show it, month first: "June/1/1990".
inline QString SlashedDate(const Person &person)
{
    return person.month + QLatin1Char('/') + QString::number(person.day) + QLatin1Char('/')
           + QString::number(person.year);
}

// The date as a report writes it: "June 1, 1990".
inline QString WrittenDate(const Person &person)
{
    return person.month + QLatin1Char(' ') + QString::number(person.day) + QStringLiteral(", ")
           + QString::number(person.year);
}
