#pragma once

// What a screen reader is told about Starbox's own controls, beyond what
// Qt tells it by itself:
//
// - a clickable label is a link (a web page) or a button (a command of the
//   program), with a Press action that clicks it; one that lies under
//   another label is not there at all;
// - a date list is called by its field ("Date", "Month", "Year"), with its
//   entry as its value. Qt on Linux calls a list by its entry and leaves its
//   field to a label relation, which the lists without a caption over them
//   lack;
// - a read-only rich-text box given a name is a document of that name (Qt
//   shows a text browser as a label);
// - a frame is called by its own caption, not by the caption of the frame
//   it lies in, and a control that hands its focus to another does not
//   claim to take it.

class QWidget;

// Registers the interfaces above with Qt's accessibility, once per program.
// The widgets concerned call it as they are made.
void InstallAccessibleInterfaces();

// The second half, for a window whose controls are all made: frames named
// by their captions, no focus claimed by a control that hands it on.
void PrepareForScreenReaders(QWidget *window);
