// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mends two ways in which Qt 6.4 misleads a screen reader, by holding
// back an event before it reaches the accessibility bus:
// - a window that stays active while a menu or list drops down from it,
//   and when it closes again, is announced as activated anew each time
//   (X hands the keyboard to the popup and back, and Qt reports each
//   change of the focused window as one of the window's state): a reader
//   then leaves the menu, or the report just opened, for the main window;
// - a text box reached with Tab moves its caret before it reports the
//   focus: a reader takes the caret for the focus and then says nothing of
//   the box.
//
// Qt fault: seen with Qt 6.4.2 (Debian 12). Still installed with Qt 6.8;
// recheck it there without the filter. No upstream report known.

// Installs the filter: once, at start.
void InstallUpdateFilter();
