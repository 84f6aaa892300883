// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plain frame: a reader passes through it as through a layout where it
// has no name of its own (a window's body, its brand strip), which Qt 6.8
// makes an unnamed panel that Orca 48 speaks. With a name it is a group
// that a reader speaks as the focus enters it, as a frame with a caption.
//
// Qt fault: Qt 6.8.2 (Debian 13), not Qt 6.4.2. No upstream report known.

class QAccessibleInterface;
class QWidget;

QAccessibleInterface *PlainFrameInterface(QWidget *frame);
