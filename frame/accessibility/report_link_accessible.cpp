// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/report_link_accessible.h"

#include "frame/accessibility/reader_texts.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

namespace {

class ReportLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ReportLinkAccessible(QTextBrowser *box, const QTextCursor &address, const QUrl &link)
        : m_box(box), m_address(address), m_link(link)
    {
    }

    bool isValid() const override { return m_box; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_box ? m_box->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_box); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return WebLinkDescription();
        return t == QAccessible::Name ? m_address.selectedText() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.linked = true;
        state.readOnly = true;
        state.focused = m_box && m_box->hasFocus() && m_box->textCursor() == m_address;
        return state;
    }
    QRect rect() const override
    {
        if (!m_box)
            return {};
        QTextCursor start = m_address;
        start.setPosition(m_address.selectionStart());
        QTextCursor end = m_address;
        end.setPosition(m_address.selectionEnd());
        const QRect place = m_box->cursorRect(start).united(m_box->cursorRect(end));
        return {m_box->viewport()->mapToGlobal(place.topLeft()), place.size()};
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && m_box)
            emit m_box->anchorClicked(m_link);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {QStringLiteral("Return")}; }

private:
    QPointer<QTextBrowser> m_box;
    QTextCursor m_address; // the address, selected
    QUrl m_link;
};

} // namespace

QAccessibleInterface *ReportLinkInterface(QTextBrowser *box, const QTextCursor &address, const QUrl &link)
{
    return new ReportLinkAccessible(box, address, link);
}
