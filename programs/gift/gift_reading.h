// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gift Astrology's reading: the sun sign's row of a fixed table, with its
// profile and five gift ideas for each gender. The sign profile is also
// Fashion Astrology's. No widgets here.

#include "core/fixed_table.h"
#include "core/sign_profile.h"

enum class Gender { Male, Female };

using GiftIdeas = std::array<const char *, 5>; // the first shown on top

struct GiftRow
{
    SignProfile profile;
    GiftIdeas maleIdeas{};
    GiftIdeas femaleIdeas{};
    const char *giftPersonality = nullptr; // third person, on the presents that please the sign
};

// One row a sign, in zodiac order; read with RowFor.
extern const SignTable<GiftRow> kGiftTable;

struct GiftReading
{
    SunSign sign;
    GiftRow row;
    GiftIdeas giftIdeas; // the row's ideas for the gender asked
};

// Gift Astrology works from the common cusp days; Fashion Astrology uses the
// same table.
inline constexpr CuspTable kGiftCuspTable = kStandardCuspTable;

GiftReading BuildGiftReading(SunSign sign, Gender gender);
