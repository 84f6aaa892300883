// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/plain_frame_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

class PlainFrameAccessible : public QAccessibleWidget
{
public:
    explicit PlainFrameAccessible(QWidget *frame)
        : QAccessibleWidget(frame, QAccessible::Client)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
};

} // namespace

QAccessibleInterface *PlainFrameInterface(QWidget *frame)
{
    return new PlainFrameAccessible(frame);
}
