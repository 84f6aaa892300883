// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The registry: the one list of the reading programs. Each program declares
// its facts once, in its own folder (its button's index, its place in the
// selector, its windows); this lists them, and everything else that walks
// the programs (the main window, the benchmark, the screenshot tool) asks
// it.

#include "frame/reading_program.h"

#include <QList>

// The captions before the programs' own in the main window: the headings.
inline constexpr int kCaptionOffset = 3;

// Every program, by its button's index (0, 1, 2 ...).
const QList<const ReadingProgramEntry *> &ReadingPrograms();
const ReadingProgramEntry &ReadingProgramAt(int button);

// The programs the selector offers, by their place in it, row by row.
const QList<const ReadingProgramEntry *> &SelectorOrder();

// What the selector's programs are called, one text for them all, in the
// selector's order: "Fashion Astrology, Food Astrology & Fruit Astrology"
// (beforeLast " & "). Each program's text is what describe gives it;
// programs that it gives nothing are left out.
QString OfferedProgramsText(QString (*describe)(const ReadingProgramEntry &), const QString &beforeLast);

// The program whose kind of saved reading the file is, by its extension
// (capitals counting, as Open's rule); null when none saves such files.
const ReadingProgramEntry *ProgramForSavedFile(const QString &path);
