// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/line_box_accessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QVariant>

#include <algorithm>

namespace {

class LineBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit LineBoxAccessible(QLineEdit *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->echoMode() == QLineEdit::Normal ? box()->text() : QString();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface: the text as shown, masked where hidden.
    QString text(int startOffset, int endOffset) const override
    {
        const int start = bounded(startOffset);
        return box()->displayText().mid(start, std::max(bounded(endOffset) - start, 0));
    }
    int characterCount() const override { return int(box()->displayText().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(bounded(position)); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const bool has = selectionIndex == 0 && box()->hasSelectedText();
        *startOffset = has ? box()->selectionStart() : 0;
        *endOffset = has ? box()->selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(bounded(startOffset), bounded(endOffset) - bounded(startOffset));
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    QRect characterRect(int offset) const override
    {
        // Measured from the caret, which is where the box has scrolled to.
        const QString shown = box()->displayText();
        const QFontMetrics metrics = box()->fontMetrics();
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int at = bounded(offset);
        const int x = caret.x() + metrics.horizontalAdvance(shown.left(at))
                      - metrics.horizontalAdvance(shown.left(box()->cursorPosition()));
        const int width = at < characterCount() ? metrics.horizontalAdvance(shown.at(at)) : 1;
        return {box()->mapToGlobal(QPoint(x, caret.y())), QSize(width, caret.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(bounded(endIndex));
        box()->setCursorPosition(bounded(startIndex));
    }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        if (box()->isReadOnly())
            return;
        const int start = bounded(startOffset);
        box()->setText(box()->text().replace(start, std::max(bounded(endOffset) - start, 0), text));
    }

private:
    int bounded(int offset) const { return std::clamp(offset < 0 ? characterCount() : offset, 0, characterCount()); }
};

} // namespace

QAccessibleInterface *LineBoxInterface(QLineEdit *box)
{
    return new LineBoxAccessible(box);
}
