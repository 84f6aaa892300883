// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key filter of name boxes: letters are taken (as capitals), space,
// carriage return and backspace pass unchanged, anything else is refused.

#include <QChar>
#include <QString>

#include <optional>

// The character to enter for a typed one, or nothing when it is refused.
std::optional<QChar> FilterNameKey(QChar typed);

// The same rule over a whole text (a paste): the text in capitals, or
// nothing when any character is refused.
std::optional<QString> FilterNameText(const QString &text);

// The two refusal messages in use.
QString OnlyLettersMessage();  // "Please Enter only Letters"
QString OnlyAlphabetMessage(); // "Please Enter Only Alphabet"
