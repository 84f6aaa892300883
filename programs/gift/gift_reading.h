#pragma once

// Gift Astrology's reading: the sun sign's profile and five gift ideas for
// the sign and gender, looked up in a fixed table. The sign profile is also
// Fashion Astrology's. No widgets here.

#include "core/sun_sign.h"

#include <QString>
#include <QStringList>

enum class Gender { Male, Female };

// What every sign-profile tab shows: the same for Gift and Fashion.
struct SignProfile
{
    SunSign sign = SunSign::Aries;
    QString element;
    QString luckyNumber;
    QString luckyDay;
    QString compatibility;
    QString birthstone;
    QString positiveTraits;
    QString negativeTraits;
    int pictureIndex = 1; // place in zodiac order, 1 to 12: the sign picture

    bool operator==(const SignProfile &) const = default;
};

struct GiftReading
{
    SignProfile profile;
    QStringList giftIdeas; // five, the first shown on top
    QString giftPersonality;
};

// Gift Astrology works from the common cusp days; Fashion Astrology uses the
// same table.
inline constexpr CuspTable kGiftCuspTable = kStandardCuspTable;

SignProfile SignProfileFor(SunSign sign);
GiftReading BuildGiftReading(SunSign sign, Gender gender);
