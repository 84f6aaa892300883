#pragma once

// How each sign dresses and shops, one paragraph per sun sign in zodiac
// order (Aries first, Pisces last); Leo's is two paragraphs split by "\n\n".
// Plain ASCII, so they survive any 8-bit code page.
extern const char *const kFashionCharacteristics[12];
