#pragma once

#include <QString>

// What an input window collects: the name or names and a date of birth
// picked from the day, month and year lists.
struct BirthDetails
{
    QString name;       // single-name programs
    QString firstName;  // three-name programs
    QString middleName;
    QString lastName;
    int day = 1;        // 1..31
    QString month;      // "January" ... "December"
    int year = 1900;
};

// The details of the last reading that passed an input window's checks, as
// its report and its saved file take them: the name and month trimmed, the
// day and year as numbers.
struct LastReadingDetails
{
    QString name;
    qint16 day = 1;
    QString month;
    qint16 year = 1900;

    bool operator==(const LastReadingDetails &) const = default;
};
