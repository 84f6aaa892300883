#pragma once

// The long texts of each sign's profile, shared by Gift and Fashion
// Astrology, one entry per sun sign in zodiac order (Aries first, Pisces
// last). Plain ASCII, so they survive any 8-bit code page.
struct GiftLongTexts
{
    const char *positiveTraits;  // one paragraph to the reader on the sign's strengths
    const char *negativeTraits;  // one paragraph to the reader on the sign's weaknesses
    const char *giftPersonality; // one paragraph, third person, on the presents that please the sign
};

extern const GiftLongTexts kGiftLongTexts[12];
