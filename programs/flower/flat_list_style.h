// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pick-only lists whose face shows exactly the button colour of their
// palette. The desktop style draws a list's face as a gradient paler than
// the colour given, which a coloured entry panel cannot have: its name box
// and its lists must show one colour.

class QComboBox;

// Draws the list's face flat, in its palette's button colour, framed, with
// the arrow and the text in its button-text colour.
void UseFlatFace(QComboBox *list);
