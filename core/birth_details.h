#pragma once

#include "core/person.h"

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
