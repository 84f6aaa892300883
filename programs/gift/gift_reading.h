#pragma once

// Gift Astrology's reading: the sun sign's row of a fixed table, with its
// profile and five gift ideas for each gender. The sign profile is also
// Fashion Astrology's. No widgets here.

#include "core/fixed_table.h"

enum class Gender { Male, Female };

// What every sign-profile tab shows: the same for Gift and Fashion.
struct SignProfile
{
    const char *element = nullptr;
    const char *luckyNumber = nullptr;
    const char *luckyDay = nullptr;
    const char *compatibility = nullptr;
    const char *birthstone = nullptr;
    const char *positiveTraits = nullptr; // one paragraph to the reader on the sign's strengths
    const char *negativeTraits = nullptr; // one paragraph to the reader on the sign's weaknesses

    bool operator==(const SignProfile &) const = default;
};

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

// The sign picture of a profile: its place in zodiac order, 1 to 12.
inline int SignPictureIndex(SunSign sign)
{
    return SignIndex(sign) + 1;
}

// Gift Astrology works from the common cusp days; Fashion Astrology uses the
// same table.
inline constexpr CuspTable kGiftCuspTable = kStandardCuspTable;

GiftReading BuildGiftReading(SunSign sign, Gender gender);
