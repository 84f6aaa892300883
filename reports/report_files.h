#pragma once

// The Save and Open commands of the report programs: their dialogs, the
// wrong-extension refusal and a message when a save fails.

#include "reports/saved_reading.h"

#include <optional>

class QLineEdit;
class QWidget;
struct DateLists;

// Asks where to save (the kind's title, filter and extension; an existing
// file is replaced only after asking), then writes the details. Cancelling
// is silent; a failed write says so. True when the file was written.
bool SaveReading(QWidget *parent, const SavedReadingKind &kind, const SavedDetails &details);

// Asks for a file of the kind, refuses one whose name does not end in the
// kind's extension (capitals counting) with "Please Check The File.", and
// reads its details. Nothing when cancelled, refused or unreadable; a file
// that cannot be read is named in a message with the reason.
std::optional<SavedDetails> OpenSavedReading(QWidget *parent, const SavedReadingKind &kind);

// Open on an input window: reads a saved reading as above and puts it back
// into the name box, as stored (outside the key rule), and the date lists
// (a value that is no entry leaves its list as it was). True when details
// were restored, for the window to run its proceed command; otherwise the
// entries are as they were.
bool RestoreSavedReading(QWidget *parent, const SavedReadingKind &kind, QLineEdit *name,
                         const DateLists &date);
