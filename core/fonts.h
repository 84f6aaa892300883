#pragma once

#include <QFont>

// The face of every window: Verdana, or DejaVu Sans where Verdana is absent.
QFont StarboxFont(qreal pointSize, bool bold = false, bool underline = false);

// Sizes in the classic twips: 15 twips to a logical pixel.
constexpr int Twips(int twips) { return twips / 15; }
