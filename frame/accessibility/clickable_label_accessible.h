// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A clickable label: a link or a button with a Press action; or, covered
// by another label, nothing a reader shows.
//
// Starbox's own control: no Qt fault.

class QAccessibleInterface;
class ClickableLabel;

QAccessibleInterface *ClickableLabelInterface(ClickableLabel *label);
