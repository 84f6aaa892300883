// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a fuzz target holds true of every input: a broken promise stops the
// run at once, so libFuzzer keeps the input that broke it.

#include <cstdlib>

inline void Check(bool holds)
{
    if (!holds)
        std::abort();
}
