// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The look shared by every window: the face, the twips of the classic
// layout, and colouring a widget.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

// The face of every window: Verdana, or DejaVu Sans where Verdana is absent.
QFont StarboxFont(qreal pointSize, bool bold = false, bool underline = false);

// Sizes in the classic twips: 1/1440 inch at the screen's logical DPI, the
// DPI that turns the faces' points into pixels. That is 15 twips to a pixel
// at 96 dpi and 10 at 144, so where the desktop raises its text through the
// font DPI, every box grows along with its text.
int Twips(int twips);

// Gives a text role of a palette its colour for a widget that can be used,
// in an active window or not. A widget turned off (as everything behind a
// report window is) keeps the style's own colour for unavailable text, and
// so looks unavailable as every other control of the desktop does.
// Backgrounds are set for every state with QPalette::setColor as usual.
void SetTextColour(QPalette &palette, QPalette::ColorRole role, const QColor &colour);

// Sets a widget's text colour and, when a background is given, fills its
// background with it.
void Paint(QWidget *widget, const QColor &text, const QColor &background = QColor());

// Colours an entry field (a text box, a list or a button face): its text
// and the face behind it.
void PaintEntry(QWidget *entry, const QColor &text, const QColor &face);
