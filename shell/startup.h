// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start and end of a Starbox run.

#include <QString>

struct CommandLine;

// Whether a graphical desktop is there to show windows on, for the
// platform asked for on the command line ("-platform offscreen") or else
// in QT_QPA_PLATFORM. Checked before the application object exists, so a
// missing display gives a message instead of an abort inside the toolkit.
bool DisplayAvailable(const QString &platform);
QString NoDisplayMessage();
// Likewise, a platform that the toolkit has no plugin for: the message,
// one line, or nothing when one of the names asked for is there ("wayland;
// xcb" asks for either) or when no plugin can be found to compare with.
QString MissingPlatformMessage(const QString &platform);

// The caption of the main window and of the About box, "Starbox v" and the
// version: exactly what the window manager shows, as no application display
// name is appended to it.
QString ApplicationCaption();

// The name of the desktop entry that describes Starbox to the desktop
// ("org.starbox.Starbox"), without ".desktop": the Wayland app_id of every
// window, by which docks and task switchers find Starbox's icon and name.
QString DesktopEntryName();

// The application's name ("starbox") and version, for the command line and
// the settings; Qt Core alone.
void NameApplication();
// Names, icon and face of the application; run once the application object
// exists, before any window.
void ConfigureApplication();

// The run after the application object exists: refuse a second instance
// (one started with files hands them to the first and ends with status 0),
// remind about updates, open the main window, open the files named on the
// command line or handed over later, and run until it closes. Started with
// "--screenshot FILE", it saves a picture of the main window once it is on
// screen and ends, with status 0 when the picture was saved: a check that
// an installed Starbox starts. Returns the exit code.
int RunStarbox(const CommandLine &line);

// Closes every window that is still open, each running its own closing
// steps, and ends the run.
void EndProgram();
