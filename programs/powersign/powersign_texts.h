#pragma once

// The description of Pluto's placement in each sign, in zodiac order
// (Aries first); empty for the signs Pluto did not visit in the years the
// program covers. Plain ASCII.
extern const char *const kPowerSignTexts[12];

// The introduction of the input window: about Pluto, the planet of changes
// and transformations.
extern const char *const kPowerSignIntroduction;
