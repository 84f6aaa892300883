#include "core/frame/text_label.h"

#include <QHash>

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
    return Remembered(metricsKey(u's'), [this] { return QLabel::sizeHint(); });
}

QSize TextLabel::minimumSizeHint() const
{
    if (!pixmap().isNull())
        return QLabel::minimumSizeHint();
    return Remembered(metricsKey(u'm'), [this] { return QLabel::minimumSizeHint(); });
}

int TextLabel::heightForWidth(int width) const
{
    if (!pixmap().isNull())
        return QLabel::heightForWidth(width);
    return Remembered(metricsKey(u'h', width),
                      [this, width] { return QSize(0, QLabel::heightForWidth(width)); })
        .height();
}
