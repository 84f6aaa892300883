// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saved-reading files: a person's details as four lines, each encoded with
// EncodeLine and ended by CR LF. The reading is computed again when the file
// is opened. Qt Core only.

#include <QByteArray>
#include <QString>

#include <optional>

// The details as the input window's boxes and lists hold them.
struct SavedDetails
{
    QString name;
    QString day;   // "7"
    QString month; // "March"
    QString year;  // "1980"

    bool operator==(const SavedDetails &) const = default;
};

struct Person;

// The details of a reading as its saved file holds them.
SavedDetails SavedDetailsOf(const Person &details);

// The person a saved file names: the name as stored; the day and year where
// their lines are numbers as the date lists write them ("7", never "07" or
// " 7"), else 0; the month line as it stands. A 0, or a month that is no
// month's name, matches no entry of the date lists.
Person SavedPerson(const SavedDetails &lines);

enum class LineOrder {
    NameMonthDayYear,
    NameDayMonthYear
};

// One program's kind of saved file and the texts of its dialogs.
struct SavedReadingKind
{
    QString extension;  // "tvl", without the dot
    LineOrder order;
    QString saveTitle;
    QString saveFilter; // as a file dialog takes it: "Description (*.tvl)"
    QString openFilter;
};

// A kind of file: its extension, its line order, the save dialog's title,
// and the descriptions its save and open dialogs give the extension. Each
// program that saves states its own kind beside its reading.
SavedReadingKind SavedKind(const char16_t *extension, LineOrder order, const char16_t *title,
                           const char16_t *saveDescription, const char16_t *openDescription);

// The title of every open dialog.
QString OpenDialogTitle();           // "Select the source file"
QString WrongFileMessage();          // "Please Check The File."
QString SaveFailedMessage();         // shown when a save could not be completed
// Shown when a chosen file cannot be read: names the file and the reason.
QString ReadFailedMessage(const QString &path, const QString &reason);
// The reason alone, as the message gives it: "It is a directory".
QString ReadFailedReason(const QString &reason);

// The file's bytes: four encoded lines in the kind's order, each with CR LF.
QByteArray EncodeSavedReading(const SavedDetails &details, LineOrder order);

// Up to five lines of a file's bytes (ended by CR LF, LF or CR): missing
// lines are empty, a fifth and anything after it ignored. Bytes that do not
// decode are dropped.
SavedDetails DecodeSavedReading(const QByteArray &content, LineOrder order);

// Whether a path's last characters are the extension, capitals counting
// (".TVL" is not "tvl").
bool HasExtension(const QString &path, const QString &extension);

// Writes through a temporary file that replaces the old one only when
// complete, so a failed save never damages an existing file.
bool WriteSavedReading(const QString &path, const SavedDetails &details, LineOrder order,
                       QString *error = nullptr);

// Reads at most what five reasonable lines take: a huge, binary or endless
// file costs no more than that. Nothing when the file cannot be opened or
// read (no permission, a folder, a file gone), with the reason in error.
std::optional<SavedDetails> ReadSavedReading(const QString &path, LineOrder order,
                                             QString *error = nullptr);

// The most a line may hold before the rest of it is skipped.
inline constexpr qsizetype kMaxSavedLineBytes = 1024;
