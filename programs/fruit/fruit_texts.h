#pragma once

// The interpretation of each fruit, in fruit order (0 Apple ... 11 Pear):
// one paragraph to the reader. Plain ASCII, so it survives any 8-bit code
// page.
extern const char *const kFruitInterpretations[12];
