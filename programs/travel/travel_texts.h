#pragma once

// The long texts of Travel Astrology, one entry per sun sign in zodiac order
// (Aries first, Pisces last). Plain ASCII, so they survive any 8-bit code
// page; a line break inside a text is "\n".
struct TravelLongTexts
{
    const char *famousPersons;  // well-known people born under the sign, joined by ", "
    const char *positiveTraits; // one paragraph, second person
    const char *negativeTraits; // one paragraph, second person
    const char *travelProfile;  // one paragraph, third person (Leo: two, split by "\n\n")
};

extern const TravelLongTexts kTravelLongTexts[12];
