// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/document_accessible.h"

#include "frame/accessibility/report_link_accessible.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBrowser>

#include <algorithm>

namespace {

class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DocumentAccessible(QTextBrowser *box)
        : QAccessibleWidget(box, QAccessible::Document)
    {
        m_reaching = QObject::connect(box, &QTextBrowser::highlighted, box, [this](const QUrl &link) { reachLink(link); });
        // Moving the caret off an address gives the reader the text again.
        m_leaving = QObject::connect(box, &QTextEdit::cursorPositionChanged, box, [this] {
            if (!m_link)
                return;
            forgetLink();
            QAccessibleEvent focus(this, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        });
    }

    ~DocumentAccessible() override
    {
        QObject::disconnect(m_reaching);
        QObject::disconnect(m_leaving);
        forgetLink();
    }

    int childCount() const override { return m_link ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_link ? QAccessible::accessibleInterface(m_link) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return m_link && child == QAccessible::accessibleInterface(m_link) ? 0 : -1;
    }

    QTextBrowser *box() const { return static_cast<QTextBrowser *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return box()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override
    {
        return cursorOver(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(bounded(position));
        box()->setTextCursor(cursor);
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool has = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = has ? cursor.selectionStart() : 0;
        *endOffset = has ? cursor.selectionEnd() : 0;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setTextCursor(cursorOver(startOffset, endOffset));
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(bounded(offset));
        QRect place = box()->cursorRect(cursor);
        const QString character = text(offset, offset + 1);
        place.setWidth(character.isEmpty() ? 1 : QFontMetrics(cursor.charFormat().font()).horizontalAdvance(character));
        return QRect(box()->viewport()->mapToGlobal(place.topLeft()), place.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int) override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(bounded(startIndex));
        const QRect place = box()->cursorRect(cursor);
        QScrollBar *bar = box()->verticalScrollBar();
        if (place.top() < 0 || place.bottom() > box()->viewport()->height())
            bar->setValue(bar->value() + place.top());
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        Q_UNUSED(offset);
        return {};
    }

private:
    // Tab has reached an address, selected, or left them (no link).
    void reachLink(const QUrl &link)
    {
        forgetLink();
        const QTextCursor address = box()->textCursor();
        if (link.isEmpty() || !address.hasSelection() || !box()->hasFocus())
            return;
        QAccessibleInterface *reached = ReportLinkInterface(box(), address, link);
        m_link = QAccessible::registerAccessibleInterface(reached);
        QAccessibleEvent focus(reached, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    void forgetLink()
    {
        if (m_link)
            QAccessible::deleteAccessibleInterface(m_link);
        m_link = 0;
    }

    QAccessible::Id m_link = 0;
    QMetaObject::Connection m_reaching;
    QMetaObject::Connection m_leaving;

    int bounded(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor cursorOver(int startOffset, int endOffset) const
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(bounded(startOffset));
        cursor.setPosition(bounded(endOffset), QTextCursor::KeepAnchor);
        return cursor;
    }
};

} // namespace

QAccessibleInterface *DocumentInterface(QTextBrowser *box)
{
    return new DocumentAccessible(box);
}
