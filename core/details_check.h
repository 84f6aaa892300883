// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks that input windows run on birth details before a reading.
// They only judge; the window shows the message and moves the focus.

#include "core/person.h"

#include <QString>

#include <optional>

enum class MessageIcon { Stop, Information };

// Which input control takes the focus after a refused detail.
enum class DetailsField { Unchanged, Name, FirstName, LastName, Day, Month, Year };

struct DetailsProblem
{
    QString message;
    MessageIcon icon = MessageIcon::Information;
    DetailsField focus = DetailsField::Unchanged;

    bool operator==(const DetailsProblem &) const = default;
};

// Every year divisible by 4 counts as a leap year, 1900 included.
constexpr bool IsLeapYear(int year) { return year % 4 == 0; }

enum class DateFault {
    None,
    February,   // 29 February outside a leap year, or 30 or 31 February
    ThirtyFirst // 31 April, June, September or November
};

DateFault CheckDayOfMonth(int day, int monthIndex, int year);

// The two texts for an impossible date; they differ by one blank.
QString WrongFebruaryMessage();    // "Please Enter Correct Date Or Month!"
QString WrongThirtyFirstMessage(); // "Please Enter Correct Date Or Month !"

// How a single-name input window judges its name box: the message for an
// empty name, its icon, and whether a name of blanks counts as empty.
struct NameRule
{
    QString message = QStringLiteral("Please Enter Your Name");
    MessageIcon icon = MessageIcon::Stop;
    bool blanksAreEmpty = true;
};

std::optional<DetailsProblem> CheckName(const QString &name, const NameRule &rule = {});

// The common check of a single-name input window: the name must not be
// empty, then the date must exist.
struct ValidationTexts
{
    NameRule name;
    QString wrongFebruary = WrongFebruaryMessage();
    QString wrongThirtyFirst = WrongThirtyFirstMessage();
};

std::optional<DetailsProblem> ValidateDetails(const Person &details,
                                              const ValidationTexts &texts = {});

// The date part alone, as a problem with the information icon.
std::optional<DetailsProblem> CheckBirthDate(const Person &details,
                                             const ValidationTexts &texts = {});

// The texts of a three-name input window as entered, before any conversion:
// its check must see a list with no entry picked, which a Person cannot hold.
struct ThreeNameEntry
{
    QString firstName;
    QString middleName;
    QString lastName;
    QString day;   // text of the day list
    QString month; // text of the month list
    QString year;  // text of the year list

    // The person: the names that are not blank, trimmed and joined by one
    // space ("ANNA BERG"); the day and year as numbers (0 where a list has
    // no entry picked). Nothing shows or saves a three-name person's name.
    Person person() const;
};

// The seven-step check of the three-name input windows: first and last name
// present (a name of blanks counts as present; the middle name is never
// tested), the three lists not empty, then the date must exist. Every
// message has the information icon.
std::optional<DetailsProblem> ValidateDetails(const ThreeNameEntry &entry);
