// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The facts of one reading program, declared once in the program's own
// folder (programs/<name>/<name>_program.cpp) and listed by the registry
// (shell/reading_programs.h) in selector order.

#include <QColor>
#include <QString>

class ProgramHost;
class ProgramWindow;
struct SavedReadingKind;

// The program's place in the selector: its program button's index; its
// caption has the index + kCaptionOffset.
enum class ReadingProgram {
    Financial = 0, Flower, Food, Fruit, Health, ZodiacPowerSign, Fashion, Gift, Travel
};

struct ReadingProgramEntry
{
    ReadingProgram program;
    QString name;          // button and caption text, and the window caption after "Orla "
    QString inputWindow;   // objectName of the input window
    QString displayWindow; // objectName of the display window
    QString reportWindow;  // objectName of the report window; empty if it has none
    QString proceedButton; // objectName of the input window's proceed button
    QString proceedCaption; // its caption, mnemonic included
    QString picture;       // the selector picture; empty if it has none
    QColor captionColour;
    bool shown;            // offered in the selector
    const SavedReadingKind *savedFiles; // its kind of saved reading; null if none
    ProgramWindow *(*openInput)(ProgramHost &host);
};
