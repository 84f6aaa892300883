// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/factory.h"

#include "frame/accessibility/captioned_frame_accessible.h"
#include "frame/accessibility/clickable_label_accessible.h"
#include "frame/accessibility/document_accessible.h"
#include "frame/accessibility/line_box_accessible.h"
#include "frame/accessibility/named_list_accessible.h"
#include "frame/accessibility/option_button_accessible.h"
#include "frame/accessibility/plain_frame_accessible.h"
#include "frame/accessibility/reading_value_accessible.h"
#include "frame/clickable_label.h"
#include "frame/text_label.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBrowser>

namespace {

// Whether Qt asks for the class T itself (not a class derived from it).
template <class T>
bool Is(const QString &className)
{
    return className == QLatin1StringView(T::staticMetaObject.className());
}

} // namespace

QAccessibleInterface *StarboxInterfaces(const QString &className, QObject *object)
{
    // The program area holds the program windows, and a tab control's
    // stack its pages: a reader passes through them as through any layout
    // (Qt makes them layered panes without a name, which a reader speaks
    // on every entry).
    if (Is<QMdiArea>(className) || Is<QStackedWidget>(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    if (Is<QFrame>(className))
        return PlainFrameInterface(static_cast<QWidget *>(object));
    if (QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && Is<QGroupBox>(className))
        return CaptionedFrameInterface(static_cast<QGroupBox *>(object));
    if (Is<TextLabel>(className)) {
        auto *value = static_cast<QLabel *>(object);
        if (value->focusPolicy() & Qt::TabFocus)
            return ReadingValueInterface(value);
    }
    if (Is<QTextBrowser>(className)) {
        auto *box = static_cast<QTextBrowser *>(object);
        if (!box->accessibleName().isEmpty())
            return DocumentInterface(box);
    }
    if (Is<ClickableLabel>(className)) {
        auto *label = static_cast<ClickableLabel *>(object);
        if (label->kind() != ClickableLabel::Kind::Text)
            return ClickableLabelInterface(label);
    }
    if (Is<QLineEdit>(className))
        return LineBoxInterface(static_cast<QLineEdit *>(object));
    if (Is<QRadioButton>(className))
        return OptionButtonInterface(static_cast<QRadioButton *>(object));
    if (Is<QComboBox>(className)) {
        auto *list = static_cast<QComboBox *>(object);
        if (!list->isEditable() && !list->accessibleName().isEmpty())
            return NamedListInterface(list);
    }
    return nullptr;
}
