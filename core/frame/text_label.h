#pragma once

#include <QLabel>

// A plain-text label whose size answers are remembered across the program:
// every window shows the same banner and brand texts, and each answer of a
// wrapping label otherwise lays the whole text out anew.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TextLabel(const QString &text = {}, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    QString metricsKey(QChar kind, int width = 0) const;
};
