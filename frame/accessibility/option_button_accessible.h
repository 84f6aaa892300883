// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An option button, as Qt shows it, but not labelled by its frame: a
// reader names the frame of a group of option buttons once as it enters
// it, and once again as their label.
//
// Qt fault: seen with Qt 6.4.2 (Debian 12) and Orca 43. No upstream report known.

class QAccessibleInterface;
class QRadioButton;

QAccessibleInterface *OptionButtonInterface(QRadioButton *option);
