// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Travel Astrology's report, composed from the reading and the person it is
// for. Qt Gui only: no window is needed to compose it.

#include "core/person.h"
#include "programs/travel/travel_reading.h"

class QTextCursor;

// Teal bold headings and black values, each section followed by the maker's
// line; the report ends with the last maker's line.
void composeTravelReport(QTextCursor &cursor, const TravelReading &reading, const Person &person);
