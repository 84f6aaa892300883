// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The facts of one reading program, declared once in the program's own
// folder (programs/<name>/<name>_program.cpp) and listed by the registry
// (shell/reading_programs.h).

#include <QColor>
#include <QString>

class ProgramHost;
class ProgramWindow;
struct SavedReadingKind;

struct ReadingProgramEntry
{
    int button;            // its program button's index; its caption's is this + kCaptionOffset
    QString name;          // button and caption text, and the window caption after "Orla "
    QString inputWindow;   // objectName of the input window
    QString displayWindow; // objectName of the display window
    QString reportWindow;  // objectName of the report window; empty if it has none
    QString proceedButton; // objectName of the input window's proceed button
    QString proceedCaption; // its caption, mnemonic included
    QString picture;       // the selector picture; empty if it has none
    QColor captionColour;
    int selectorPlace;     // its place in the selector, row by row; -1 where it is not offered
    const SavedReadingKind *savedFiles; // its kind of saved reading; null if none
    ProgramWindow *(*openInput)(ProgramHost &host);

    bool offered() const { return selectorPlace >= 0; }
    // Each entry is declared once: the same program is the same entry.
    bool operator==(const ReadingProgramEntry &other) const { return this == &other; }
};
