// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A plain-text label whose size answers are remembered across the program:
// every window shows the same banner and brand texts, and each answer of a
// wrapping label otherwise lays the whole text out anew. Without the table
// a Flower reading cycle with its first paint takes about three times the
// work (40.4 M -> 127.1 M instructions), Health 1.6 times (52.8 M -> 83.0 M)
// and Food 1.7 times (30.4 M -> 53.1 M).
//
// A label that takes focus is measured and drawn here, as QLabel measures
// and draws a label without focus: QLabel would lay a focusable label's
// plain text out in a rich-text document, which costs about a tenth of a
// millisecond a label and draws the same text. A label that has the focus
// shows the style's focus frame.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextLabel(const QString &text = {}, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawText();
    QString metricsKey(QChar kind, int width = 0) const;
    bool drawsOwnText() const;
    int textFlags() const;
    QSize textSizeForWidth(int width) const;
};
