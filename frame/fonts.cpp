// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

QFont StarboxFont(qreal pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

int Twips(int twips)
{
    // As Qt turns points into pixels for the whole program: the primary
    // screen's logical DPI. A scale factor (QT_SCALE_FACTOR, or Xft.dpi
    // above 96) leaves it at 96 and scales everything already.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    return twips * dpi / 1440;
}

void SetTextColour(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

void Paint(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    SetTextColour(palette, QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void PaintEntry(QWidget *entry, const QColor &text, const QColor &face)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Base, face);
    SetTextColour(palette, QPalette::Text, text);
    palette.setColor(QPalette::Button, face);
    SetTextColour(palette, QPalette::ButtonText, text);
    entry->setPalette(palette);
}
