#include "core/frame/starbox_style.h"

#include <QGuiApplication>
#include <QWidget>

QIcon StarboxStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // Only icons that depend on nothing but their kind and the reading
    // direction are kept.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const bool rightToLeft = widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
    const quint64 key = (quint64(icon) << 1) | (rightToLeft ? 1 : 0);
    auto found = m_icons.constFind(key);
    if (found == m_icons.constEnd())
        found = m_icons.insert(key, QProxyStyle::standardIcon(icon, option, widget));
    return *found;
}
