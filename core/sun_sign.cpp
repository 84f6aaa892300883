// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sun_sign.h"

#include <QtGlobal>

namespace {

struct MonthSigns {
    SunSign earlier;
    SunSign later;
};

constexpr std::array<MonthSigns, kMonthCount> kMonthSigns{{
    {SunSign::Capricorn, SunSign::Aquarius},   // January
    {SunSign::Aquarius, SunSign::Pisces},      // February
    {SunSign::Pisces, SunSign::Aries},         // March
    {SunSign::Aries, SunSign::Taurus},         // April
    {SunSign::Taurus, SunSign::Gemini},        // May
    {SunSign::Gemini, SunSign::Cancer},        // June
    {SunSign::Cancer, SunSign::Leo},           // July
    {SunSign::Leo, SunSign::Virgo},            // August
    {SunSign::Virgo, SunSign::Libra},          // September
    {SunSign::Libra, SunSign::Scorpio},        // October
    {SunSign::Scorpio, SunSign::Sagittarius},  // November
    {SunSign::Sagittarius, SunSign::Capricorn} // December
}};

int ClampMonth(int monthIndex)
{
    return (monthIndex < 0 || monthIndex >= kMonthCount) ? 0 : monthIndex;
}

} // namespace

int SignIndexOf(const QString &signName)
{
    for (int i = 0; i < kSignCount; ++i) {
        if (SignName(SignAt(i)) == signName)
            return i;
    }
    return -1;
}

QString SignName(SunSign sign)
{
    static const std::array<QString, kSignCount> names{
        QStringLiteral("Aries"),   QStringLiteral("Taurus"),      QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),  QStringLiteral("Leo"),         QStringLiteral("Virgo"),
        QStringLiteral("Libra"),   QStringLiteral("Scorpio"),     QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"),  QStringLiteral("Pisces")};
    return names[static_cast<std::size_t>(SignIndex(sign))];
}

SunSign SignAt(int index)
{
    Q_ASSERT(index >= 0 && index < kSignCount);
    return static_cast<SunSign>(index);
}

const QStringList &MonthNames()
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

int MonthIndex(const QString &monthName)
{
    return static_cast<int>(MonthNames().indexOf(monthName));
}

SunSign EarlierSignOf(int monthIndex)
{
    return kMonthSigns[static_cast<std::size_t>(ClampMonth(monthIndex))].earlier;
}

SunSign LaterSignOf(int monthIndex)
{
    return kMonthSigns[static_cast<std::size_t>(ClampMonth(monthIndex))].later;
}

SunSign SunSignFor(int monthIndex, int day, const CuspTable &table)
{
    const int month = ClampMonth(monthIndex);
    return day >= table[static_cast<std::size_t>(month)] ? LaterSignOf(month)
                                                         : EarlierSignOf(month);
}

SunSign SunSignFor(const QString &monthName, int day, const CuspTable &table)
{
    return SunSignFor(MonthIndex(monthName), day, table);
}

SunSign SunSignFor(const Person &person, const CuspTable &table)
{
    return SunSignFor(person.month, person.day, table);
}
