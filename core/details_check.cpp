// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/details_check.h"

#include "core/sun_sign.h"

#include <QStringList>

DateFault CheckDayOfMonth(int day, int monthIndex, int year)
{
    constexpr int kFebruary = 1;
    if (monthIndex == kFebruary) {
        const int lastDay = IsLeapYear(year) ? 29 : 28;
        return day > lastDay ? DateFault::February : DateFault::None;
    }
    switch (monthIndex) {
    case 3: case 5: case 8: case 10: // April, June, September, November
        return day == 31 ? DateFault::ThirtyFirst : DateFault::None;
    default:
        return DateFault::None;
    }
}

QString WrongFebruaryMessage()
{
    return QStringLiteral("Please Enter Correct Date Or Month!");
}

QString WrongThirtyFirstMessage()
{
    return QStringLiteral("Please Enter Correct Date Or Month !");
}

std::optional<DetailsProblem> CheckBirthDate(const Person &details,
                                             const ValidationTexts &texts)
{
    switch (CheckDayOfMonth(details.day, MonthIndex(details.month), details.year)) {
    case DateFault::February:
        return DetailsProblem{texts.wrongFebruary, MessageIcon::Information, DetailsField::Unchanged};
    case DateFault::ThirtyFirst:
        return DetailsProblem{texts.wrongThirtyFirst, MessageIcon::Information, DetailsField::Unchanged};
    case DateFault::None:
        break;
    }
    return std::nullopt;
}

std::optional<DetailsProblem> CheckName(const QString &name, const NameRule &rule)
{
    const bool empty = rule.blanksAreEmpty ? name.trimmed().isEmpty() : name.isEmpty();
    if (empty)
        return DetailsProblem{rule.message, rule.icon, DetailsField::Name};
    return std::nullopt;
}

std::optional<DetailsProblem> ValidateDetails(const Person &details,
                                              const ValidationTexts &texts)
{
    if (auto problem = CheckName(details.name, texts.name))
        return problem;
    return CheckBirthDate(details, texts);
}

Person ThreeNameEntry::person() const
{
    QStringList names;
    for (const QString &part : {firstName, middleName, lastName}) {
        if (!part.trimmed().isEmpty())
            names.append(part.trimmed());
    }
    return {names.join(QLatin1Char(' ')), day.toInt(), month, year.toInt()};
}

std::optional<DetailsProblem> ValidateDetails(const ThreeNameEntry &entry)
{
    const struct {
        const QString &text;
        const char16_t *message;
        DetailsField focus;
    } presence[] = {
        {entry.firstName, u"Please Enter Your First Name", DetailsField::FirstName},
        {entry.lastName, u"Please Enter Your Last Name", DetailsField::LastName},
        {entry.day, u"Please Specify Your Birth Date", DetailsField::Day},
        {entry.month, u"Please Specify Your Birth Month", DetailsField::Month},
        {entry.year, u"Please Specify Your Birth Year", DetailsField::Year},
    };
    for (const auto &step : presence) {
        if (step.text.isEmpty())
            return DetailsProblem{QString::fromUtf16(step.message), MessageIcon::Information,
                                  step.focus};
    }
    return CheckBirthDate(entry.person());
}
