// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A piece of a reading that Tab reaches: called by its caption and what it
// shows ("Element: Earth"), or by what it shows where it has no caption.
//
// Starbox's own reading: no Qt fault.

class QAccessibleInterface;
class QLabel;

QAccessibleInterface *ReadingValueInterface(QLabel *value);
