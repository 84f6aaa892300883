// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility.h"

#include "frame/clickable_label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>

#include <algorithm>

namespace {

// What following a link does, which the screen shows only as a browser
// window opens.
QString WebLinkDescription()
{
    return QStringLiteral("Opens in your web browser");
}

// A clickable label: a link or a button with a Press action; or, covered
// by another label, nothing a reader shows.
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

// "&Name" reads "Name", "Pacts && Contracts" "Pacts & Contracts".
QString WithoutMnemonic(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain.append(caption.at(i));
    }
    return plain;
}

// Mends two ways in which Qt 6.4 misleads a screen reader, by holding
// back an event before it reaches the accessibility bus:
// - a window that stays active while a menu or list drops down from it,
//   and when it closes again, is announced as activated anew each time
//   (X hands the keyboard to the popup and back, and Qt reports each
//   change of the focused window as one of the window's state): a reader
//   then leaves the menu, or the report just opened, for the main window;
// - a text box reached with Tab moves its caret before it reports the
//   focus: a reader takes the caret for the focus and then says nothing of
//   the box.
class UpdateFilter
{
public:
    static void install()
    {
        s_previous = QAccessible::installUpdateHandler(&UpdateFilter::update);
    }

private:
    static void update(QAccessibleEvent *event)
    {
        if (holdsBack(event))
            return;
        if (s_previous) {
            s_previous(event);
            return;
        }
        // On to the bus, as Qt sends it without a handler.
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&UpdateFilter::update);
    }

    static bool holdsBack(QAccessibleEvent *event)
    {
        switch (event->type()) {
        case QAccessible::Focus:
            if (event->object()) // not a part of a control, as a report's link
                s_focused = event->object();
            return false;
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged: {
            QObject *box = event->object();
            return box && box == QApplication::focusWidget() && box != s_focused;
        }
        case QAccessible::StateChanged: {
            // Qt's bridge announces a window's activation as it happens,
            // from the window's own activation events.
            QAccessibleInterface *window = event->accessibleInterface();
            auto *widget = qobject_cast<QWidget *>(window ? window->object() : nullptr);
            return static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active && widget
                   && widget->isWindow();
        }
        default:
            return false;
        }
    }

    static inline QAccessible::UpdateHandler s_previous = nullptr;
    static inline QPointer<QObject> s_focused;
};

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// A control's relations less the frames it lies in as its labels: a reader
// speaks a frame as the control's surroundings already.
Relations WithoutFramesAround(const QWidget *control, Relations relations)
{
    relations.removeIf([control](const QPair<QAccessibleInterface *, QAccessible::Relation> &relation) {
        auto *frame = qobject_cast<QWidget *>(relation.first ? relation.first->object() : nullptr);
        return relation.second == QAccessible::Label && frame && frame->isAncestorOf(control);
    });
    return relations;
}

// An option button, as Qt shows it, but not labelled by its frame: a
// reader names the frame of a group of option buttons once as it enters
// it, and once again as their label.
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

// A plain frame: a reader passes through it as through a layout where it
// has no name of its own (a window's body, its brand strip), which Qt 6.8
// makes an unnamed panel that Orca 48 speaks. With a name it is a group
// that a reader speaks as the focus enters it, as a frame with a caption.
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

// A frame with a caption, as Qt shows it, but a filler where it holds
// option buttons. Orca 48, which comes with Qt 6.8 (Debian 13), names an
// option button's group by the panel it lies in, and speaks the panel as
// the focus enters it as well; a filler it passes through. Orca 43, with
// Qt 6.4, names the group by the panel alone. Qt makes the interface as
// the caption is set, before the frame has children: the role is looked
// up when asked.
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

// A text box of one line, as Qt shows it, but with its text in one run of
// attributes: Qt gives an empty run at each offset, and Orca, which joins
// the runs into what it speaks, then leaves out the last letter ("ANN" for
// ANNA).
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

// A pick-only list called by its field, its entry its value and its text
// (which a reader speaks as the list's value where Qt offers no selection
// on the bus); its entries are its one child, the list that drops down.
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

// The address of a report that Tab has reached: a link inside the
// document, which a reader announces and can follow. Qt 6.4 offers a
// reader no links inside a text on Linux.
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

// A read-only rich-text box given a name (a report): a named document
// whose text a reader reads, where Qt shows a text browser as a label. The
// address that Tab reaches in it is its one child, and takes the reader's
// focus.
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
        auto *reached = new ReportLinkAccessible(box(), address, link);
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

// A piece of a reading that Tab reaches: called by its caption and what it
// shows ("Element: Earth"), or by what it shows where it has no caption.
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

QAccessibleInterface *StarboxInterfaces(const QString &className, QObject *object)
{
    // The program area holds the program windows, and a tab control's
    // stack its pages: a reader passes through them as through any layout
    // (Qt makes them layered panes without a name, which a reader speaks
    // on every entry).
    if (className == QLatin1String("QMdiArea") || className == QLatin1String("QStackedWidget"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    if (className == QLatin1String("QFrame"))
        return new PlainFrameAccessible(static_cast<QWidget *>(object));
    if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && className == QLatin1String("QGroupBox"))
        return new CaptionedFrameAccessible(static_cast<QGroupBox *>(object));
    if (className == QLatin1String("TextLabel")) {
        auto *value = qobject_cast<QLabel *>(object);
        if (value && (value->focusPolicy() & Qt::TabFocus))
            return new ReadingValueAccessible(value);
    }
    if (className == QLatin1String("QTextBrowser")) {
        auto *box = qobject_cast<QTextBrowser *>(object);
        if (box && !box->accessibleName().isEmpty())
            return new DocumentAccessible(box);
    }
    if (className == QLatin1String("ClickableLabel")) {
        auto *label = qobject_cast<ClickableLabel *>(object);
        if (label && label->kind() != ClickableLabel::Kind::Text)
            return new ClickableLabelAccessible(label);
    }
    if (className == QLatin1String("QLineEdit"))
        return new LineBoxAccessible(static_cast<QLineEdit *>(object));
    if (className == QLatin1String("QRadioButton"))
        return new OptionButtonAccessible(static_cast<QRadioButton *>(object));
    if (className == QLatin1String("QComboBox")) {
        auto *list = qobject_cast<QComboBox *>(object);
        if (list && !list->isEditable() && !list->accessibleName().isEmpty())
            return new NamedListAccessible(list);
    }
    return nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The control described by text until the focus leaves it; the
// description it had before, put back then, is kept by one watcher however
// often it is described.
void Describe(QWidget *control, const QString &text)
{
    if (!control)
        return;
    const auto kWatcher = QStringLiteral("announcementWatcher");
    if (!control->findChild<QObject *>(kWatcher, Qt::FindDirectChildrenOnly)) {
        auto *watcher = new QObject(control);
        watcher->setObjectName(kWatcher);
        QObject::connect(qApp, &QApplication::focusChanged, watcher,
                         [control, watcher, before = control->accessibleDescription()](QWidget *old, QWidget *) {
                             if (old != control)
                                 return;
                             control->setAccessibleDescription(before);
                             watcher->deleteLater();
                         });
    }
    control->setAccessibleDescription(text);
}
#endif

} // namespace

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(StarboxInterfaces);
        UpdateFilter::install();
        return true;
    }();
    Q_UNUSED(installed);
}

void PrepareForScreenReaders(QWidget *window)
{
    // Qt calls a frame without a name of its own by the caption of the
    // frame it lies in.
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (frame->accessibleName().isEmpty() && !frame->title().isEmpty())
            frame->setAccessibleName(WithoutMnemonic(frame->title()));
    }
    // A tab control hands its focus to its row of tabs, which a reader
    // finds by itself. Qt passes a policy on to the control that takes the
    // focus, so the row's own is put back.
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        QTabBar *row = tabs->tabBar();
        const Qt::FocusPolicy rowPolicy = row->focusPolicy();
        tabs->setFocusPolicy(Qt::NoFocus);
        row->setFocusPolicy(rowPolicy);
    }
}

void Announce(QWidget *window, const QString &text)
{
    if (!window)
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(window, text);
    QAccessible::updateAccessibility(&announcement);
#else
    Describe(window->window()->focusWidget(), text);
#endif
}

void NameMadeList(QComboBox *list, const QString &caption)
{
    QString field = WithoutMnemonic(caption);
    if (field.endsWith(QLatin1Char(':')))
        field.chop(1);
    list->setAccessibleName(field);
    // Qt's interface for the list, made with the list, gives way to the
    // one for a named list.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(list))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
