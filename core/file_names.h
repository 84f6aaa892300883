// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File names as the system has them, and as messages show them.
//
// A Unix file name is bytes, and not every name is UTF-8 ("lat1-\xe9.tvl",
// made on a Latin-1 system). Names that come from outside (the command line,
// a later start, a drop) are carried with every byte: what is UTF-8 reads as
// text, and each byte that is not is kept as the lone code unit U+DC00 plus
// the byte, which no UTF-8 name can hold. Qt Core only.

#include <QByteArray>
#include <QString>

// The name of the bytes; FileNameBytes gives the very bytes back.
QString FileNameFromBytes(const QByteArray &bytes);
QByteArray FileNameBytes(const QString &name);

// A path as a message shows it: at most kShownPathLength characters, the
// middle given up for "…" when longer; a byte that is not text shown as
// U+FFFD, and so are the controls that would turn the text round (U+202A
// to U+202E, U+2066 to U+2069). The whole is isolated (U+2068 … U+2069),
// so neither a right-to-left name nor the message around it changes the
// other's direction.
QString ShownPath(const QString &path);
inline constexpr qsizetype kShownPathLength = 80;
