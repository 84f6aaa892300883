// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility/reader_texts.h"

#include <QWidget>

QString WebLinkDescription()
{
    return QStringLiteral("Opens in your web browser");
}

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

Relations WithoutFramesAround(const QWidget *control, Relations relations)
{
    relations.removeIf([control](const QPair<QAccessibleInterface *, QAccessible::Relation> &relation) {
        auto *frame = qobject_cast<QWidget *>(relation.first ? relation.first->object() : nullptr);
        return relation.second == QAccessible::Label && frame && frame->isAncestorOf(control);
    });
    return relations;
}
