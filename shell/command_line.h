// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starbox's command line:
//   starbox [--screenshot FILE] [FILE...]
// -h/--help and -v/--version print and end; the options of every Qt
// program (-platform NAME, -style NAME, -reverse and the like) are taken
// and left to the toolkit. It is read before any window system is reached,
// so help, version and mistakes need no display.

#include <QString>
#include <QStringList>

struct CommandLine
{
    enum class Action {
        Run,     // start, then open files and take a screenshot if asked
        Help,    // print text on standard output, end with status 0
        Version, // likewise
        Refuse   // print text (one line) on standard error, end with kUsageError
    };
    Action action = Action::Run;
    QString text;       // the version, or the error; for help, CommandLineHelp()
    QString screenshot; // --screenshot FILE: a picture of the main window, then end
    QStringList files;  // saved readings to open, as absolute paths
    QString platform;   // -platform NAME, as the toolkit takes it; empty without
};

// The status of a run refused for its command line.
inline constexpr int kUsageError = 2;

// Reads the arguments, the program's path first. Relative files are taken
// from the current folder. Needs no application object: the toolkit's own
// is made after it, and only once.
CommandLine ReadCommandLine(const QStringList &arguments);

// The text of --help. Needs the application object, for the program's path.
QString CommandLineHelp();
