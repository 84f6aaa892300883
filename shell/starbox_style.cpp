// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/starbox_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

// An icon that asks its style for the real one when it is first used.
class DeferredStandardIcon : public QIconEngine
{
public:
    DeferredStandardIcon(QStyle *style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    bool isNull() override { return icon().isNull(); }

    QString key() const override { return QStringLiteral("StarboxDeferredStandardIcon"); }

    QIconEngine *clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            m_loaded = true;
            if (m_style)
                m_icon = m_style->standardIcon(m_which);
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    bool m_loaded = false;
    QIcon m_icon;
};

} // namespace

QIcon StarboxStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        // The arrow points the way the bar reads; the style answers by the
        // application's direction when it is asked later without a widget.
        if (!option && (!widget || widget->layoutDirection() == QGuiApplication::layoutDirection()))
            return QIcon(new DeferredStandardIcon(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}
