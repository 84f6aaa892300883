#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// The desktop's own style, with its standard icons made once. Every
// program window is an MDI child with a system menu and a menu bar, and
// each of those asks the style for its title-bar and menu icons, which the
// style would otherwise load from its resources anew every time.
class StarboxStyle : public QProxyStyle
{
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    mutable QHash<quint64, QIcon> m_icons;
};
