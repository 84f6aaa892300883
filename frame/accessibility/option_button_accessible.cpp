// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/option_button_accessible.h"

#include "frame/accessibility/reader_texts.h"

#include <QAccessibleWidget>
#include <QRadioButton>

namespace {

class OptionButtonAccessible : public QAccessibleWidget
{
public:
    explicit OptionButtonAccessible(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return WithoutMnemonic(option()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return WithoutFramesAround(widget(), QAccessibleWidget::relations(match));
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && option()->isEnabled())
            option()->click();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {QStringLiteral("Space")}; }
};

} // namespace

QAccessibleInterface *OptionButtonInterface(QRadioButton *option)
{
    return new OptionButtonAccessible(option);
}
