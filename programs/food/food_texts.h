#pragma once

// The long texts of the Food reading, one entry per sun sign in zodiac order
// (Aries first, Pisces last). Plain ASCII, so they survive any 8-bit code page.
struct FoodLongTexts
{
    const char *eatingHabits; // one paragraph about the sign's taste in food
    const char *ingredients;  // one line: comma-separated quantities and items
    const char *preparation;  // one paragraph of instructions (Aries: two, split by "\n\n")
};

extern const FoodLongTexts kFoodLongTexts[12];
