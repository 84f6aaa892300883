// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/reading_value_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

class ReadingValueAccessible : public QAccessibleWidget
{
public:
    explicit ReadingValueAccessible(QLabel *value)
        : QAccessibleWidget(value, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *value = static_cast<QLabel *>(widget());
        const QString caption = value->accessibleName();
        return caption.isEmpty() ? value->text() : caption + QStringLiteral(": ") + value->text();
    }
};

} // namespace

QAccessibleInterface *ReadingValueInterface(QLabel *value)
{
    return new ReadingValueAccessible(value);
}
