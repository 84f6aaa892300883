// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/plain_scroll_bar.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

void PlainScrollBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    if (isSliderDown()) {
        option.activeSubControls = QStyle::SC_ScrollBarSlider;
        option.state |= QStyle::State_Sunken;
    }
    option.palette = QApplication::palette();
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}
