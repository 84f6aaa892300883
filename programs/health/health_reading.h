// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Health Astrology's reading: what the sun sign rules in the body, eight
// fitness characteristics, health problems and diet, and the constitution
// of the sign's element with advice for an excess and a lack of it. All of
// it follows from the sign, through two fixed tables. No widgets here.

#include "core/person.h"
#include "core/details_check.h"
#include "core/fixed_table.h"

#include <optional>

// The four constitution types, in the order of their table.
enum class Constitution { Fire, Earth, Air, Water };
inline constexpr int kConstitutionCount = 4;

// The eight fitness characteristics, in the order the display shows and the
// report prints them.
enum class Fitness { Athletic, Motivation, Endurance, Flexibility, Routine, TeamWork, Focus, Variety };
inline constexpr std::size_t kFitnessCount = 8;

struct HealthSignRow
{
    const char *bodyPart = nullptr;
    TextGroup<Fitness, kFitnessCount> fitness; // "Needs variety" has a small v
    Constitution constitution = Constitution::Fire;
    const char *sunSignDescription = nullptr; // the sign and fitness
    const char *healthProblems = nullptr;     // what the sign rules and what its natives suffer from
    const char *requiredDiet = nullptr;       // recommended foods, most naming the sign's cell salt
    const char *dietToAvoid = nullptr;        // one or two sentences
    const char *dietAdvice = nullptr;         // one or two sentences

    bool operator==(const HealthSignRow &) const = default;
};

struct ConstitutionRow
{
    const char *type = nullptr;                    // "Fire", "Earth", "Air" or "Water"
    const char *constitutionDescription = nullptr; // what the element governs in the body
    const char *excessDescription = nullptr;       // an excess of the element
    const char *excessItemsToTake = nullptr;
    const char *excessItemsToAvoid = nullptr;
    const char *excessRemedy = nullptr;
    const char *lowDescription = nullptr;          // a lack of the element
    const char *lowItemsToTake = nullptr;
    const char *lowItemsToAvoid = nullptr;
    const char *lowRemedy = nullptr;

    bool operator==(const ConstitutionRow &) const = default;
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<HealthSignRow> kHealthSignTable;
// One row a constitution type, in the order of Constitution; read with RowAt.
extern const std::array<ConstitutionRow, kConstitutionCount> kConstitutionTable;

struct HealthReading
{
    SunSign sign = SunSign::Aries;
    HealthSignRow row;
    ConstitutionRow constitution; // the row of the sign's constitution type

    bool operator==(const HealthReading &) const = default;
};

// Health Astrology works from the common cusp days.
inline constexpr CuspTable kHealthCuspTable = kStandardCuspTable;

// The sign's row of the sign table, completed by the row of its
// constitution type.
HealthReading BuildHealthReading(SunSign sign);

// Health Astrology's own checks, in this order: a name box that is empty as
// typed (blanks pass), 30 or 31 February, 31 of a thirty-day month, and 29
// February in a year not divisible by 4. Every message has the information
// icon.
std::optional<DetailsProblem> ValidateHealthDetails(const Person &details);

// The files a Health reading is saved in.
struct SavedReadingKind;
const SavedReadingKind &HealthFiles();
