// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A plain-text label whose size answers are remembered across the program,
// and which, when it takes focus, measures and draws its text itself as
// QLabel does for a label without focus: QLabel lays a focusable label's
// plain text out in a rich-text document. A label that has the focus
// shows the style's focus frame.
//
// Both are for speed. Every window shows the same banner and brand texts,
// and a wrapping label otherwise lays its text out anew for each size it
// is asked. Without either, a reading cycle with the display's first paint
// takes longer than a frame (16 ms) at the 99th percentile: Flower 13.3 ->
// 27.1 ms, Health 12.7 -> 21.0 ms, Gift 6.7 -> 20.6 ms (starbox_bench,
// 1000 cycles). Without the table alone Health's is 17.6 ms, and without
// the drawing alone 16.9 ms.
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
