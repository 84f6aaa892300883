#pragma once

// The long texts of Financial Astrology, one entry per sun sign in zodiac
// order (Aries first, Pisces last). Plain ASCII, so they survive any 8-bit
// code page.
struct FinancialLongTexts
{
    const char *famousPersons;    // five to seven people born under the sign, joined by ", "
    const char *positiveTraits;   // one paragraph to the reader (Leo: two, split by "\n\n")
    const char *negativeTraits;   // one paragraph to the reader
    const char *financialProfile; // one paragraph on the sign's way with money
};

extern const FinancialLongTexts kFinancialLongTexts[12];
