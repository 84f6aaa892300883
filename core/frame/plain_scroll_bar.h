#pragma once

#include <QScrollBar>

// A scroll bar drawn in the application's own colours whatever the palette
// of the box it scrolls. A box with colours of its own would otherwise pass
// a new palette to its scroll bars in every window, and the style would
// cache a new set of scroll bar pictures for each.
class PlainScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit PlainScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr)
        : QScrollBar(orientation, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};
