// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/health/health_reading.h"

#include "core/saved_reading.h"

HealthReading BuildHealthReading(SunSign sign)
{
    const HealthSignRow &row = RowFor(kHealthSignTable, sign);
    return HealthReading{sign, row, RowAt(kConstitutionTable, static_cast<int>(row.constitution))};
}

std::optional<DetailsProblem> ValidateHealthDetails(const Person &details)
{
    const auto problem = [](const char16_t *message, DetailsField focus) {
        return DetailsProblem{QString::fromUtf16(message), MessageIcon::Information, focus};
    };
    if (details.name.isEmpty())
        return problem(u"Please Enter Your Name", DetailsField::Name);
    const int month = MonthIndex(details.month);
    if (month == 1 && (details.day == 30 || details.day == 31))
        return problem(u"Please Enter Correct Date of Birth!", DetailsField::Unchanged);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && details.day == 31)
        return problem(u"Please Enter Correct Date of Birth !", DetailsField::Unchanged);
    if (!IsLeapYear(details.year) && month == 1 && details.day == 29)
        return problem(u"Please Enter Correct Date Or Month!", DetailsField::Unchanged);
    return std::nullopt;
}

const SavedReadingKind &HealthFiles()
{
    static const SavedReadingKind kind =
        SavedKind(u"hel", LineOrder::NameDayMonthYear, u"Orla Health Astrology",
                  u"Orla Health Astrology", u"Orla Health Astrology");
    return kind;
}
