#pragma once

#include "core/text_label.h"

// A label that acts as a link: hand pointer, and clicked() on a press and
// release inside it with the left button. It is reached with Tab, shows a
// focus frame, and Space or Enter clicks it.
class ClickableLabel : public TextLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};
