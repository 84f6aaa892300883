// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/powersign/powersign_reading.h"

namespace {

constexpr int kFebruary = 1;

PlutoPeriod Period(int y1, int m1, int d1, int y2, int m2, int d2, SunSign sign)
{
    return {{y1, m1, d1}, {y2, m2, d2}, sign};
}

} // namespace

const std::array<PlutoPeriod, kPlutoPeriodCount> &PlutoSignTable()
{
    using S = SunSign;
    static const std::array<PlutoPeriod, kPlutoPeriodCount> table{
        Period(1900, 1, 1, 1912, 9, 10, S::Gemini),
        Period(1912, 9, 11, 1912, 10, 20, S::Cancer),
        Period(1912, 10, 21, 1913, 7, 9, S::Gemini),
        Period(1913, 7, 10, 1913, 12, 28, S::Cancer),
        Period(1913, 12, 29, 1914, 5, 26, S::Gemini),
        Period(1914, 5, 27, 1937, 10, 7, S::Cancer),
        Period(1937, 10, 8, 1937, 11, 25, S::Leo),
        Period(1937, 11, 26, 1938, 8, 3, S::Cancer),
        Period(1938, 8, 4, 1939, 2, 7, S::Leo),
        Period(1939, 2, 8, 1939, 6, 14, S::Cancer),
        Period(1939, 6, 15, 1956, 10, 20, S::Leo),
        Period(1956, 10, 21, 1957, 1, 15, S::Virgo),
        Period(1957, 1, 16, 1957, 8, 19, S::Leo),
        Period(1957, 8, 20, 1958, 4, 11, S::Virgo),
        Period(1958, 4, 12, 1958, 6, 10, S::Leo),
        Period(1958, 6, 11, 1971, 10, 5, S::Virgo),
        Period(1971, 10, 6, 1972, 4, 17, S::Libra),
        Period(1972, 4, 18, 1972, 7, 30, S::Virgo),
        Period(1972, 7, 31, 1983, 11, 5, S::Libra),
        Period(1983, 11, 6, 1984, 5, 18, S::Scorpio),
        Period(1984, 5, 19, 1984, 8, 28, S::Libra),
        Period(1984, 8, 29, 1995, 1, 17, S::Scorpio),
        Period(1995, 1, 18, 1995, 4, 21, S::Sagittarius),
        Period(1995, 4, 22, 1995, 11, 10, S::Scorpio),
        Period(1995, 11, 11, 2008, 1, 26, S::Sagittarius),
        Period(2008, 1, 27, 2008, 6, 14, S::Capricorn),
        Period(2008, 6, 15, 2008, 11, 27, S::Sagittarius),
        Period(2008, 11, 28, 2022, 12, 31, S::Capricorn),
    };
    return table;
}

std::optional<SunSign> FindPowerSign(int day, const QString &monthName, int year)
{
    const int month = MonthIndex(monthName) + 1;
    if (month < 1 || day < 1 || day > 31)
        return std::nullopt;
    const ListDate date{year, month, day};
    // The periods are in order: the first whose last day is not before the
    // date holds it, unless the date lies before the table.
    for (const PlutoPeriod &period : PlutoSignTable()) {
        if (date <= period.last)
            return date >= period.first ? std::optional(period.sign) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<DetailsProblem> ValidatePowerSignDetails(const QString &name, int day,
                                                       int monthIndex, int year)
{
    const auto problem = [](const char16_t *message, DetailsField focus = DetailsField::Unchanged) {
        return std::optional(DetailsProblem{QString::fromUtf16(message), MessageIcon::Information, focus});
    };
    if (name.isEmpty())
        return problem(u"Please Enter Your Name", DetailsField::Name);
    if (monthIndex == kFebruary && day >= 30)
        return problem(u"Please Enter Correct Date of Birth!");
    if ((monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10) && day == 31)
        return problem(u"Please Enter Correct Date of Birth !");
    if (year % 4 != 0 && monthIndex == kFebruary && day == 29)
        return problem(u"Please Enter Correct Date Or Month!");
    return std::nullopt;
}
