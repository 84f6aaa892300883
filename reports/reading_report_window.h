// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program's report window: the program's report composer applied to one
// reading and the person it is for, and Save writing that person's details
// in the program's kind of file. The window keeps its own copy of both, so
// it needs its display window for nothing but going back to it. A program's
// report window states its composer, its print form and how it looks.

#include "frame/reading_program.h"
#include "core/person.h"
#include "reports/report_window.h"

template <typename Reading>
class ReadingReportWindow : public ReportWindow
{
public:
    using Composer = void (*)(QTextCursor &cursor, const Reading &reading, const Person &person);

    ReadingReportWindow(ProgramHost &host, ProgramWindow *display, const ReadingProgramEntry &program,
                        PrintForm printForm, Composer composer, const Reading &reading,
                        const Person &person)
        : ReportWindow(host, display, program.name, program.reportWindow, *program.savedFiles,
                       printForm),
          m_composer(composer), m_reading(reading), m_person(person)
    {
    }

protected:
    void compose(QTextCursor &cursor) override { m_composer(cursor, m_reading, m_person); }
    SavedDetails savedDetails() const override { return SavedDetailsOf(m_person); }

private:
    Composer m_composer;
    Reading m_reading;
    Person m_person;
};
