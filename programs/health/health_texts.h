#pragma once

// The long texts of Health Astrology. Plain ASCII, so they survive any 8-bit
// code page; each is one paragraph without line breaks.

// One entry per sun sign in zodiac order (Aries first, Pisces last).
struct HealthSignTexts
{
    const char *sunSignDescription; // the sign and fitness
    const char *healthProblems;     // what the sign rules and what its natives suffer from
    const char *requiredDiet;       // recommended foods, most naming the sign's cell salt
    const char *dietToAvoid;        // one or two sentences
    const char *dietAdvice;         // one or two sentences
};

extern const HealthSignTexts kHealthSignTexts[12];

// One entry per constitution type: Fire, Earth, Air, Water.
struct ConstitutionTexts
{
    const char *constitutionDescription; // what the element governs in the body
    const char *excessDescription;       // an excess of the element
    const char *lowDescription;          // a lack of the element
};

extern const ConstitutionTexts kConstitutionTexts[4];
