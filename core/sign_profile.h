// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sun sign's profile: the facts and the two trait paragraphs that several
// programs show of a sign, each from rows of its own. Qt Core only.

#include "core/sun_sign.h"

// What every sign-profile tab shows (the same for Gift and Fashion), and the
// part of Financial's sun sign profile that is no money matter.
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

// The sign picture of a profile: its place in zodiac order, 1 to 12.
inline int SignPictureIndex(SunSign sign)
{
    return SignIndex(sign) + 1;
}
