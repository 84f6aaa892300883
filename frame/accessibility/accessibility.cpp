// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/accessibility.h"

#include "frame/accessibility/factory.h"
#include "frame/accessibility/reader_texts.h"
#include "frame/accessibility/update_filter.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>

namespace {

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
        InstallUpdateFilter();
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
