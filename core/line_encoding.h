// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The encoding of everything Starbox stores: each 8-bit character code is
// shifted up by 85 on the way out and down by 85 on the way in. Text is
// 8-bit Windows-1252; a QString crosses into bytes through the two
// conversions below.

#include <QByteArray>
#include <QString>

// Each byte + 85; bytes that would pass 255 (171 and up) are dropped.
QByteArray EncodeLine(const QByteArray &plain);
// Each byte - 85; bytes that would fall below 0 (under 85) are dropped.
QByteArray DecodeLine(const QByteArray &encoded);

// Windows-1252. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same value, so every
// byte round-trips. Characters outside the code page become "?".
QByteArray ToWindows1252(const QString &text);
QString FromWindows1252(const QByteArray &bytes);

// Text to stored form and back: the two steps above in one.
inline QByteArray EncodeText(const QString &text) { return EncodeLine(ToWindows1252(text)); }
inline QString DecodeText(const QByteArray &stored) { return FromWindows1252(DecodeLine(stored)); }
