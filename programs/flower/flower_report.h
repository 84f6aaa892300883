// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Flower Astrology's report, composed from the reading and the person it is
// for. Qt Gui only: no window is needed to compose it.

#include "core/person.h"
#include "programs/flower/flower_reading.h"

class QTextCursor;

// The maker's line, then black bold headings with red values, and the
// maker's line again in red.
void composeFlowerReport(QTextCursor &cursor, const FlowerReading &reading, const Person &person);
