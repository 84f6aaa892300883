// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/face_button.h"

#include "frame/fonts.h"

#include <QApplication>
#include <QHash>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

const QPalette &SharedFacePalette(const QColor &face, const QColor &text)
{
    static QHash<QPair<QRgb, QRgb>, QPalette> palettes;
    const QPair<QRgb, QRgb> key(face.rgba(), text.rgba());
    auto found = palettes.find(key);
    if (found == palettes.end()) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, face);
        SetTextColour(palette, QPalette::ButtonText, text);
        found = palettes.insert(key, palette);
    }
    return *found;
}

} // namespace

void FaceButton::setFace(const QColor &face, const QColor &text)
{
    m_face = SharedFacePalette(face, text);
    m_hasFace = true;
    update();
}

void FaceButton::paintEvent(QPaintEvent *event)
{
    if (!m_hasFace) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The face's colours, drawn in the state the button is in: turned off,
    // its text takes the style's colour for unavailable text.
    const QPalette::ColorGroup state = option.palette.currentColorGroup();
    option.palette = m_face;
    option.palette.setCurrentColorGroup(state);
    painter.drawControl(QStyle::CE_PushButton, option);
}
