// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the stored-text encoding. Encoding keeps every
// byte under 171, shifted up by 85, and drops the rest; decoding undoes it;
// Windows-1252 gives every byte back.

#include "fuzz/fuzz_check.h"
#include "core/line_encoding.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QByteArray kept;
    for (char c : bytes) {
        if (std::uint8_t(c) <= 170)
            kept.append(c);
    }
    const QByteArray encoded = EncodeLine(bytes);
    Check(encoded.size() == kept.size());
    for (char c : encoded)
        Check(std::uint8_t(c) >= 85);
    Check(DecodeLine(encoded) == kept);

    const QByteArray decoded = DecodeLine(bytes);
    Check(decoded.size() <= bytes.size());
    Check(EncodeLine(decoded).size() == decoded.size());

    Check(ToWindows1252(FromWindows1252(bytes)) == bytes);
    const QString text = FromWindows1252(bytes);
    Check(DecodeText(EncodeText(text)) == FromWindows1252(kept));
    return 0;
}
