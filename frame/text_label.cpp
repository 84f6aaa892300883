// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/text_label.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QStylePainter>

#include <algorithm>

namespace {

// Measured sizes by label look and text; the same few texts recur in every
// window, so the table stays small. It is emptied should it ever grow large.
QHash<QString, QSize> &Measured()
{
    static QHash<QString, QSize> sizes;
    if (sizes.size() > 4096)
        sizes.clear();
    return sizes;
}

template <typename Measure>
QSize Remembered(const QString &key, Measure measure)
{
    QHash<QString, QSize> &sizes = Measured();
    const auto known = sizes.constFind(key);
    if (known != sizes.cend())
        return *known;
    const QSize size = measure();
    sizes.insert(key, size);
    return size;
}

} // namespace

TextLabel::TextLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

QString TextLabel::metricsKey(QChar kind, int width) const
{
    const QMargins m = contentsMargins();
    return QString(kind) + QString::number(width) + QLatin1Char('|') + font().key()
           + QLatin1Char('|') + QString::number(int(alignment())) + QLatin1Char(wordWrap() ? 'w' : '-')
           + QString::number(margin()) + QLatin1Char(',') + QString::number(indent())
           + QLatin1Char(',') + QString::number(m.left()) + QLatin1Char(',')
           + QString::number(m.top()) + QLatin1Char(',') + QString::number(m.right())
           + QLatin1Char(',') + QString::number(m.bottom()) + QLatin1Char('|') + text();
}

QSize TextLabel::sizeHint() const
{
    if (!pixmap().isNull())
        return QLabel::sizeHint(); // only texts are remembered
    return Remembered(metricsKey(u's'), [this] {
        return drawsOwnText() ? textSizeForWidth(-1) : QLabel::sizeHint();
    });
}

QSize TextLabel::minimumSizeHint() const
{
    if (!pixmap().isNull())
        return QLabel::minimumSizeHint();
    return Remembered(metricsKey(u'm'), [this] {
        if (!drawsOwnText())
            return QLabel::minimumSizeHint();
        // A line that does not wrap measures the same at any width; one
        // that wraps needs a line's height and its widest word's width.
        if (!wordWrap())
            return sizeHint();
        return QSize(textSizeForWidth(0).width(),
                     std::min(textSizeForWidth(QWIDGETSIZE_MAX).height(), sizeHint().height()));
    });
}

int TextLabel::heightForWidth(int width) const
{
    if (!pixmap().isNull())
        return QLabel::heightForWidth(width);
    return Remembered(metricsKey(u'h', width), [this, width] {
               return QSize(0, drawsOwnText() ? textSizeForWidth(width).height() : QLabel::heightForWidth(width));
           })
        .height();
}

// A label with plain text, no picture, no mnemonic, no frame and no indent,
// which takes focus. Any other label QLabel measures and draws as it is.
bool TextLabel::drawsOwnText() const
{
    return focusPolicy() != Qt::NoFocus && pixmap().isNull() && !text().isEmpty() && !buddy()
           && frameWidth() == 0 && indent() <= 0;
}

int TextLabel::textFlags() const
{
    return int(QStyle::visualAlignment(text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment()))
           | Qt::TextExpandTabs | (wordWrap() ? Qt::TextWordWrap : 0);
}

// The size of the text laid out no wider than width, with the margins: for
// a wrapping label without a width, a width that keeps the text to a few
// lines. The same answers as QLabel's for a label without focus.
QSize TextLabel::textSizeForWidth(int width) const
{
    ensurePolished();
    if (minimumWidth() > 0)
        width = std::max(width, minimumWidth());
    const QMargins contents = contentsMargins();
    const int extra = 2 * margin();
    const QFontMetrics metrics = fontMetrics();
    // Centring would only round the measure.
    const int flags = textFlags() & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    const bool tryWidth = width < 0 && wordWrap();
    if (tryWidth)
        width = std::min(metrics.averageCharWidth() * 80, maximumWidth());
    else if (width < 0)
        width = 2000;
    width -= extra + contents.left() + contents.right();
    QRect bounds = metrics.boundingRect(0, 0, width, 2000, flags, text());
    if (tryWidth && bounds.height() < 4 * metrics.lineSpacing() && bounds.width() > width / 2)
        bounds = metrics.boundingRect(0, 0, width / 2, 2000, flags, text());
    if (tryWidth && bounds.height() < 2 * metrics.lineSpacing() && bounds.width() > width / 4)
        bounds = metrics.boundingRect(0, 0, width / 4, 2000, flags, text());
    const QSize size(bounds.width() + extra + contents.left() + contents.right(),
                     bounds.height() + extra + contents.top() + contents.bottom());
    return size.expandedTo(minimumSize());
}

void TextLabel::paintEvent(QPaintEvent *event)
{
    if (drawsOwnText())
        drawText();
    else
        QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void TextLabel::drawText()
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int m = margin();
    const int direction = text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect().adjusted(m, m, -m, -m), textFlags() | direction,
                          option.palette, isEnabled(), text(), foregroundRole());
}
