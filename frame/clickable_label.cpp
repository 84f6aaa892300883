// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent, Kind kind)
    : TextLabel(text, parent), m_kind(Kind::Link)
{
    setCursor(Qt::PointingHandCursor);
    // Its text is not for selecting; this also keeps QLabel from laying it
    // out on a hover or a focus. It comes first, as it resets the focus
    // policy.
    setTextInteractionFlags(Qt::NoTextInteraction);
    // Tab reaches it; a mouse click does not take the focus from a box.
    setFocusPolicy(Qt::TabFocus);
    setKind(kind);
}

void ClickableLabel::setKind(Kind kind)
{
    m_kind = kind;
    if (kind == Kind::MouseOnly)
        setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        emit clicked();
        return;
    default:
        TextLabel::keyPressEvent(event);
    }
}
