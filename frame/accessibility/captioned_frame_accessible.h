// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A frame with a caption, as Qt shows it, but a filler where it holds
// option buttons. Orca 48, which comes with Qt 6.8 (Debian 13), names an
// option button's group by the panel it lies in, and speaks the panel as
// the focus enters it as well; a filler it passes through. Orca 43, with
// Qt 6.4, names the group by the panel alone. Qt makes the interface as
// the caption is set, before the frame has children: the role is looked
// up when asked.
//
// Made for Qt 6.8 and later only (the factory asks): Orca 48, which Debian 13 pairs with Qt 6.8.2.

class QAccessibleInterface;
class QGroupBox;

QAccessibleInterface *CaptionedFrameInterface(QGroupBox *frame);
