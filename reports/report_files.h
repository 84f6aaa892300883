// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Save and Open commands of the report programs: their dialogs, the
// wrong-extension refusal and a message when a save fails.

#include "core/person.h"
#include "core/saved_reading.h"

#include <optional>

class QWidget;

// Asks where to save (the kind's title, filter and extension; an existing
// file is replaced only after asking), then writes the details. Cancelling
// is silent; a failed write says so. True when the file was written.
bool SaveReading(QWidget *parent, const SavedReadingKind &kind, const SavedDetails &details);

// Open on an input window: asks for a file of the kind, refuses one whose
// name does not end in the kind's extension (capitals counting) with "Please
// Check The File.", and reads the person it names (SavedPerson). Nothing
// when cancelled, refused or unreadable; a file that cannot be read is
// named in a message with the reason.
std::optional<Person> OpenSavedReading(QWidget *parent, const SavedReadingKind &kind);

// The person a saved file of the kind names, as Open reads the file chosen
// in its dialog: the same refusal and messages. For files opened from
// outside (the command line, the desktop, a drop).
std::optional<Person> ReadSavedReadingFile(QWidget *parent, const SavedReadingKind &kind,
                                           const QString &path);
