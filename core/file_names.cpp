// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_names.h"

#include <QDir>

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // U+DC80 to U+DCFF hold bytes 0x80 to 0xFF

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0.
qsizetype Utf8SequenceAt(const char *bytes, qsizetype available)
{
    const auto at = [bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (available < length || at(1) < low || at(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    }
    return length;
}

bool IsByteEscape(QChar c)
{
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

bool TurnsTextRound(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString FileNameFromBytes(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype text = 0; // where the UTF-8 not yet added starts
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = Utf8SequenceAt(bytes.constData() + i, bytes.size() - i);
        if (length > 0) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + text, i - text);
        name += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes.at(i))));
        text = ++i;
    }
    return name + QString::fromUtf8(bytes.constData() + text, bytes.size() - text);
}

QByteArray FileNameBytes(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype text = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A byte's code unit, unless it ends a pair that is a character.
        if (!IsByteEscape(name.at(i)) || (i > 0 && name.at(i - 1).isHighSurrogate()))
            continue;
        bytes += QStringView(name).sliced(text, i - text).toUtf8();
        bytes += char(name.at(i).unicode() - kEscapeBase);
        text = i + 1;
    }
    return bytes + QStringView(name).sliced(text).toUtf8();
}

QString ShownPath(const QString &path)
{
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kShownPathLength) {
        qsizetype head = (kShownPathLength - 1) / 2;
        qsizetype tail = kShownPathLength - 1 - head;
        if (shown.at(head - 1).isHighSurrogate()) // never half a character
            --head;
        if (shown.at(shown.size() - tail).isLowSurrogate())
            --tail;
        shown = shown.first(head) + QChar(u'…') + shown.last(tail);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i).isHighSurrogate() && i + 1 < shown.size() && shown.at(i + 1).isLowSurrogate())
            ++i; // a character of two code units
        else if (shown.at(i).isSurrogate() || TurnsTextRound(shown.at(i)))
            shown[i] = QChar::ReplacementCharacter;
    }
    return QChar(u'\u2068') + shown + QChar(u'\u2069');
}
