// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/text_label.h"

// A label that acts as a link: hand pointer, and clicked() on a press and
// release inside it with the left button. It is reached with Tab, shows a
// focus frame, and Space or Enter clicks it.
class ClickableLabel : public TextLabel
{
    Q_OBJECT
public:
    // What the label is to a screen reader.
    enum class Kind {
        Link,    // it opens a web page: a link, with a Press action
        Command, // it runs a command of the program: a button, with a Press action
        Text,    // its text and no more (a heading; a backdrop whose link lies on it)
        MouseOnly, // another control stands for it: it lies under another label, or
                   // repeats a button that Tab and a reader reach. Only a click
                   // reaches it
    };

    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr, Kind kind = Kind::Link);

    Kind kind() const { return m_kind; }
    // A mouse-only label takes no focus; a text label keeps its focus policy.
    void setKind(Kind kind);

    // Runs what a click runs.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Kind m_kind;
    bool m_pressed = false;
};
