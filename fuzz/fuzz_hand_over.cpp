// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to what a later start hands over, and to the file
// names it carries. A message is taken only in the one form a sender
// writes; a name gives back its very bytes; a name as a message shows it
// is short, whole characters, and cannot turn the text around it.

#include "fuzz/fuzz_check.h"
#include "core/file_names.h"
#include "shell/single_instance.h"

#include <cstdint>

namespace {

bool TurnsTextRound(char16_t u)
{
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const SingleInstance::HandOver handOver = SingleInstance::ReadHandOver(bytes);
    if (handOver.state == SingleInstance::HandOver::Files) {
        Check(!handOver.files.isEmpty());
        for (const QString &file : handOver.files)
            Check(file.startsWith(u'/'));
        Check(SingleInstance::HandOverMessage(handOver.files) == bytes);
    }
    // What is still coming becomes whole with the end a sender writes.
    if (handOver.state == SingleInstance::HandOver::More) {
        const SingleInstance::HandOver ended = SingleInstance::ReadHandOver(bytes + QByteArray("\0\0", 2));
        Check(ended.state != SingleInstance::HandOver::More);
    }

    const QString name = FileNameFromBytes(bytes);
    Check(FileNameBytes(name) == bytes);

    const QString shown = ShownPath(name);
    Check(shown.size() <= kShownPathLength + 2);
    Check(shown.startsWith(u'\u2068') && shown.endsWith(u'\u2069'));
    const QStringView inside = QStringView(shown).sliced(1, shown.size() - 2);
    for (qsizetype i = 0; i < inside.size(); ++i) {
        Check(!TurnsTextRound(inside.at(i).unicode()));
        if (inside.at(i).isHighSurrogate()) {
            Check(i + 1 < inside.size() && inside.at(i + 1).isLowSurrogate());
            ++i;
        } else {
            Check(!inside.at(i).isLowSurrogate());
        }
    }
    return 0;
}
