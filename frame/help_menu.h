// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Help menu of every menu bar: the main window's and each program
// window's. One builder, so that every window offers the same commands
// under the same names.

class ProgramHost;
class QMenuBar;
class QWidget;

// The two captions in use for the update command of the Help menu.
enum class UpdateCaption {
    UpdateMnemonic, // "Check for Software &Update"
    CheckMnemonic   // "&Check for Software Update"
};

// Adds "&Help" (mnuHelp) to the bar: "&Online Help", "&Visit Us Online", a
// separator, the update command, a separator and "&About Software"; then,
// on the bar itself, "Make Money &Online" (mkmoney), present but not
// available. The commands belong to the owner, run through the host's links
// and open the About box over the owner.
void AddHelpMenu(QMenuBar *bar, ProgramHost &host, QWidget *owner, UpdateCaption updateCaption);
