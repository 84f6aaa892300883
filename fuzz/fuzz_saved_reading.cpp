// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the saved-file reader, as bytes and as a file on
// disk, in both line orders. Whatever is read must be bounded, and writing
// it out again and reading that back must give the same details.

#include "fuzz/fuzz_check.h"
#include "core/saved_reading.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdint>

namespace {

void CheckDetails(const SavedDetails &details, LineOrder order)
{
    for (const QString *field : {&details.name, &details.day, &details.month, &details.year})
        Check(field->size() <= kMaxSavedLineBytes);
    Check(DecodeSavedReading(EncodeSavedReading(details, order), order) == details);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryFile file;
    static const bool opened = file.open();
    Check(opened);

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    file.resize(0);
    file.seek(0);
    file.write(bytes);
    file.flush();

    for (LineOrder order : {LineOrder::NameMonthDayYear, LineOrder::NameDayMonthYear}) {
        CheckDetails(DecodeSavedReading(bytes, order), order);
        const std::optional<SavedDetails> read = ReadSavedReading(file.fileName(), order);
        Check(read.has_value());
        CheckDetails(*read, order);
    }
    return 0;
}
