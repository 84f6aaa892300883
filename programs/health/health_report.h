// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Health Astrology's report, composed from the reading and the person it is
// for. Qt Gui only: no window is needed to compose it.

#include "core/person.h"
#include "programs/health/health_reading.h"

class QTextCursor;

// Forty-one pieces in the colours of the classic sixteen-colour palette:
// the maker's line, the sign and diet, the constitution with its excess and
// low parts, the characteristics, the fitness advice and the maker's line.
void composeHealthReport(QTextCursor &cursor, const HealthReading &reading, const Person &person);
