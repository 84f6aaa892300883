// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Financial Astrology's report, composed from the reading and the person it
// is for. Qt Gui only: no window is needed to compose it.

#include "core/person.h"
#include "programs/financial/financial_reading.h"

class QTextCursor;

// Teal bold headings and black values, each section followed by the maker's
// line; the first thirteen values follow their headings on the same line.
void composeFinancialReport(QTextCursor &cursor, const FinancialReading &reading, const Person &person);
