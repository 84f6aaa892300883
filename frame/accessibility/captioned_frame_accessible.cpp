// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/captioned_frame_accessible.h"

#include "frame/accessibility/reader_texts.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QRadioButton>

namespace {

class CaptionedFrameAccessible : public QAccessibleWidget
{
public:
    explicit CaptionedFrameAccessible(QGroupBox *frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->findChild<QRadioButton *>(QString(), Qt::FindDirectChildrenOnly) ? QAccessible::Client
                                                                                           : QAccessible::Grouping;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutMnemonic(static_cast<QGroupBox *>(widget())->title());
        return QAccessibleWidget::text(t);
    }
};

} // namespace

QAccessibleInterface *CaptionedFrameInterface(QGroupBox *frame)
{
    return new CaptionedFrameAccessible(frame);
}
