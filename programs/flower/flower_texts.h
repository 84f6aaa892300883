#pragma once

// The long texts of Flower Astrology, one entry per sun sign in zodiac order
// (Aries first, Pisces last). Plain ASCII, so they survive any 8-bit code
// page.
struct FlowerLongTexts
{
    // About the sign's flowers and plants: one paragraph, or two joined by a
    // single "\n".
    const char *flowerPlantDescription;
    const char *positiveTraits; // one paragraph, second person, mostly "You are ..."
    const char *negativeTraits; // one paragraph, second person
};

extern const FlowerLongTexts kFlowerLongTexts[12];
