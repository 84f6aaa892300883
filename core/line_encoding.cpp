// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/line_encoding.h"

#include <array>

namespace {

constexpr int kShift = 85;

// Windows-1252 bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray EncodeLine(const QByteArray &plain)
{
    QByteArray out;
    out.reserve(plain.size());
    for (const char ch : plain) {
        const int code = static_cast<unsigned char>(ch) + kShift;
        if (code <= 255)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray DecodeLine(const QByteArray &encoded)
{
    QByteArray out;
    out.reserve(encoded.size());
    for (const char ch : encoded) {
        const int code = static_cast<unsigned char>(ch) - kShift;
        if (code >= 0)
            out.append(static_cast<char>(code));
    }
    return out;
}

QByteArray ToWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        out.append(ByteFor(c.unicode()));
    }
    return out;
}

QString FromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(char16_t(b)));
    }
    return out;
}
