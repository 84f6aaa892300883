// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A display window whose controls show parts of the reading and nothing
// else: showing a reading is filling every control from it, through the
// fills the window names as it makes its controls. Food Astrology's and
// Zodiac Power Sign's display windows are made so.

#include "core/frame/display_window.h"
#include "core/frame/reading_fills.h"

template <typename Reading>
class FilledDisplayWindow : public DisplayWindow
{
public:
    using DisplayWindow::DisplayWindow;

    void showReading(const Reading &reading) { m_fills.show(reading); }

protected:
    // What each control shows of a reading.
    ReadingFills<Reading> &fills() { return m_fills; }

private:
    ReadingFills<Reading> m_fills;
};
