// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader is told about Starbox's own controls, beyond what
// Qt tells it by itself:
//
// - a clickable label is a link (a web page, described as opening in the
//   web browser) or a button (a command of the program), with a Press
//   action that clicks it; one that lies under another label is not there
//   at all;
// - a one-line text box gives its text as one run of attributes (Qt gives
//   an empty run at each offset, and Orca leaves the last letter out);
// - a date list is called by its field ("Date", "Month", "Year"), with its
//   entry as its value. Qt on Linux calls a list by its entry and leaves its
//   field to a label relation, which the lists without a caption over them
//   lack;
// - a read-only rich-text box given a name is a document of that name (Qt
//   shows a text browser as a label), and the address Tab reaches in it is
//   a link, its one child, with the reader's focus;
// - a piece of a reading that Tab reaches is called by its caption and its
//   text;
// - a frame is called by its own caption, not by the caption of the frame
//   it lies in; option buttons and date lists are not labelled by their
//   frames, which a reader speaks as their surroundings already; a
//   control that hands its focus to another does not claim to take it;
// - the program area, a tab control's stack of pages and a plain frame
//   without a name are layout, not nameless layered panes or panels; a
//   plain frame given a name is a group, spoken as the focus enters it;
// - with Qt 6.8 (and Orca 48), a frame of option buttons is a named filler
//   and a date list is described by its frame's caption, so that the
//   caption is heard once;
// - a date list's entry picked with the keys takes the reader's focus, and
//   is the focused one among the entries that drop down;
// and holds back two kinds of Qt 6.4's events that mislead a reader (a
// window announced as activated again as a menu opens over it, and a text
// box's caret moving before it reports its focus).

class QComboBox;
class QString;
class QWidget;

// Registers the interfaces above with Qt's accessibility: once, at start,
// after the application object and before any window.
void InstallAccessibleInterfaces();

// The second half, for a window whose controls are all made: frames named
// by their captions, no focus claimed by a control that hands it on.
void PrepareForScreenReaders(QWidget *window);

// Tells a screen reader of something done that the screen does not show
// as it happens (a reading saved, a page opened in the web browser). Qt
// 6.8 announces it. Qt 6.4 has no announcements, and a reader takes no
// notice of a description that changes: there the control that has the
// focus in window, or will have it as the window is active again after a
// dialog, is described by text until the focus leaves it.
void Announce(QWidget *window, const QString &text);

// Calls a pick-only list that Qt has made (in one of its own dialogs) by
// the caption beside it ("Files of &type:" calls it "Files of type"), as
// Starbox's own date lists are called by their fields: a reader speaks the
// field and the entry, where Qt speaks the entry alone.
void NameMadeList(QComboBox *list, const QString &caption);
