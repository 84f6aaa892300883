// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/named_list_accessible.h"

#include "frame/accessibility/reader_texts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>

#include <algorithm>

namespace {

class NamedListAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit NamedListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        // The entry picked with the keys takes the reader's focus: a
        // reader speaks it, where it would ask the list for its selection,
        // which Qt 6.4 does not offer. The entries that drop down show it
        // as their current one, which a reader finds as the focused entry;
        // without one, Orca 43 looks for it through the whole list once
        // for each entry, 12 s for a list of years.
        showCurrent(list, list->currentIndex());
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
            showCurrent(list, index);
            if (!list->hasFocus() || index < 0)
                return;
            QAccessibleEvent event(list->view(), QAccessible::Focus);
            event.setChild(index);
            QAccessible::updateAccessibility(&event);
        });
    }

    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }

    static void showCurrent(QComboBox *list, int index)
    {
        list->view()->setCurrentIndex(list->model()->index(index, list->modelColumn(), list->rootModelIndex()));
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return list()->accessibleName();
        case QAccessible::Value: return list()->currentText();
        case QAccessible::Description: {
            // Orca 48, which comes with Qt 6.8 (Debian 13), speaks neither
            // the frame a list lies in nor a frame as its label: there the
            // frame's caption describes the list ("Date Of Birth").
            auto *frame = qobject_cast<QGroupBox *>(list()->parentWidget());
            if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && list()->accessibleDescription().isEmpty() && frame)
                return WithoutMnemonic(frame->title());
            return QAccessibleWidget::text(t);
        }
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return 1; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    // The frames the list lies in are no labels of its own: its name is.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return WithoutFramesAround(widget(), QAccessibleWidget::relations(match));
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return QAccessibleWidget::doAction(actionName);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface: the entry, read-only.
    QString text(int startOffset, int endOffset) const override
    {
        const QString entry = list()->currentText();
        startOffset = std::clamp(startOffset, 0, int(entry.size()));
        endOffset = endOffset < 0 ? int(entry.size()) : std::clamp(endOffset, startOffset, int(entry.size()));
        return entry.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    void addSelection(int, int) override {}
    void setSelection(int, int, int) override {}
    void removeSelection(int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint &) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

} // namespace

QAccessibleInterface *NamedListInterface(QComboBox *list)
{
    return new NamedListAccessible(list);
}
