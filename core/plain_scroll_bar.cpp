#include "core/plain_scroll_bar.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

void PlainScrollBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.palette = QApplication::palette();
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}
