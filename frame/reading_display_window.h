// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The display window of a program's reading. Showing a reading keeps it and
// the person it is for, for the report and for Save, and fills every
// control the window registered with its fills; nothing is filled by hand
// and nothing is read back out of a control. A program's window states its
// layout, registers its controls, and overrides filled() only for what a
// fill cannot do (a picture, the tab to open on).

#include "frame/display_window.h"
#include "frame/reading_fills.h"
#include "core/person.h"

template <typename Reading>
class ReadingDisplayWindow : public DisplayWindow
{
public:
    using DisplayWindow::DisplayWindow;

    void showReading(const Reading &reading, const Person &person)
    {
        m_reading = reading;
        m_person = person;
        m_fills.show(m_reading);
        filled();
        growToContent();
    }

    const Reading &reading() const { return m_reading; }
    const Person &person() const { return m_person; }

protected:
    // What each control shows of a reading.
    ReadingFills<Reading> &fills() { return m_fills; }
    // After the fills: what the program shows besides.
    virtual void filled() {}

private:
    Reading m_reading{};
    Person m_person;
    ReadingFills<Reading> m_fills;
};
