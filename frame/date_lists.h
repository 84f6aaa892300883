// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

inline constexpr int kFirstYear = 1900;
inline constexpr int kDefaultLastYear = 2050;

// Fills the day ("1".."31"), month ("January".."December") and year
// ("1900".."lastYear") lists and selects the first entry of each, so a fresh
// input window shows 1 January 1900. The lists are pick-only.
void FillDateLists(QComboBox *day, QComboBox *month, QComboBox *year,
                   int lastYear = kDefaultLastYear);
