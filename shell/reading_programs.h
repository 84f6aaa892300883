// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The registry of the reading programs the main window offers, by their
// place in the selector. Each program declares its facts once, in its own
// folder; this lists them.

#include "core/frame/reading_program.h"

#include <array>

inline constexpr int kReadingProgramCount = 9;
inline constexpr int kCaptionOffset = 3;

const std::array<const ReadingProgramEntry *, kReadingProgramCount> &ReadingPrograms();
const ReadingProgramEntry &ReadingProgramAt(int index);
inline const ReadingProgramEntry &ReadingProgramOf(ReadingProgram program)
{
    return ReadingProgramAt(int(program));
}

// The program whose kind of saved reading the file is, by its extension
// (capitals counting, as Open's rule); null when none saves such files.
const ReadingProgramEntry *ProgramForSavedFile(const QString &path);

// The order of the visible entries, row by row: Fashion, Food, Travel, Gift,
// Flower, Fruit.
const std::array<ReadingProgram, 6> &SelectorOrder();
