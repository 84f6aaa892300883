// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/clickable_label_accessible.h"

#include "frame/clickable_label.h"
#include "frame/accessibility/reader_texts.h"

#include <QAccessibleWidget>

namespace {

class ClickableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    ClickableLabel *label() const { return static_cast<ClickableLabel *>(widget()); }

    QAccessible::Role role() const override
    {
        switch (label()->kind()) {
        case ClickableLabel::Kind::Link: return QAccessible::Link;
        case ClickableLabel::Kind::Command: return QAccessible::Button;
        case ClickableLabel::Kind::Text:
        case ClickableLabel::Kind::MouseOnly: break;
        }
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (label()->kind() == ClickableLabel::Kind::Link)
            state.linked = true;
        if (label()->kind() == ClickableLabel::Kind::MouseOnly) {
            state.invisible = true;
            state.focusable = false;
        }
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return label()->text();
        }
        if (t == QAccessible::Description && label()->kind() == ClickableLabel::Kind::Link
            && widget()->accessibleDescription().isEmpty())
            return WebLinkDescription();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (acts())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && acts() && widget()->isEnabled())
            label()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        // A button's keys are a button's, which a reader does not read out.
        if (actionName == pressAction() && label()->kind() == ClickableLabel::Kind::Link)
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    bool acts() const
    {
        const ClickableLabel::Kind kind = label()->kind();
        return kind == ClickableLabel::Kind::Link || kind == ClickableLabel::Kind::Command;
    }
};

} // namespace

QAccessibleInterface *ClickableLabelInterface(ClickableLabel *label)
{
    return new ClickableLabelAccessible(label);
}
