#pragma once

// Health Astrology's reading: what the sun sign rules in the body, eight
// fitness characteristics, health problems and diet, and the constitution
// of the sign's element with advice for an excess and a lack of it. All of
// it follows from the sign, through two fixed tables. No widgets here.

#include "core/birth_details.h"
#include "core/details_check.h"
#include "core/sun_sign.h"

#include <QString>

#include <optional>

struct HealthReading
{
    QString sunSign;
    QString bodyPart;
    QString athletic;
    QString endurance;
    QString flexibility;
    QString focus;
    QString motivation;
    QString routine;
    QString teamWork;
    QString variety;
    QString sunSignDescription;
    QString healthProblems;
    QString requiredDiet;
    QString dietToAvoid;
    QString dietAdvice;

    QString constitutionType; // "Fire", "Earth", "Air" or "Water"
    QString constitutionDescription;
    QString excessDescription;
    QString excessItemsToTake;
    QString excessItemsToAvoid;
    QString excessRemedy;
    QString lowDescription;
    QString lowItemsToTake;
    QString lowItemsToAvoid;
    QString lowRemedy;

    bool operator==(const HealthReading &) const = default;
};

// The details of the last reading that passed the checks, for the report
// and for saving.
using LastHealthDetails = LastReadingDetails;

// Health Astrology works from the common cusp days.
inline constexpr CuspTable kHealthCuspTable = kStandardCuspTable;

// The sign's row of the sign table, completed by the row of its
// constitution type. Rows are found by their exact names.
HealthReading BuildHealthReading(SunSign sign);

// Health Astrology's own checks, in this order: a name box that is empty as
// typed (blanks pass), 30 or 31 February, 31 of a thirty-day month, and 29
// February in a year not divisible by 4. Every message has the information
// icon.
std::optional<DetailsProblem> ValidateHealthDetails(const BirthDetails &details);
