// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/name_key_validator.h"

#include "frame/messages.h"
#include "core/name_filter.h"

#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace {

// Where the text that arrived lies in the new text, found against what the
// box held: the part before the cursor that differs from the old text. An
// edit leaves the text after the cursor as it was; when it did not (an undo,
// say), the common ends of the two texts tell instead.
std::pair<qsizetype, qsizetype> ArrivedPart(const QString &held, const QString &input, qsizetype cursor)
{
    cursor = std::clamp<qsizetype>(cursor, 0, input.size());
    qsizetype suffix = 0;
    qsizetype end = 0;
    if (held.endsWith(QStringView(input).mid(cursor))) {
        suffix = input.size() - cursor;
        end = cursor;
    } else {
        const qsizetype most = std::min(held.size(), input.size());
        while (suffix < most && held.at(held.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
            ++suffix;
        end = input.size() - suffix;
    }
    const qsizetype prefixMost = std::min(end, held.size() - suffix);
    qsizetype prefix = 0;
    while (prefix < prefixMost && held.at(prefix) == input.at(prefix))
        ++prefix;
    return {prefix, std::max<qsizetype>(0, end - prefix)};
}

} // namespace

QValidator::State NameKeyValidator::validate(QString &input, int &pos) const
{
    const auto [start, length] = ArrivedPart(m_held, input, pos);
    if (length == 0)
        return Acceptable; // nothing arrived: a deletion, or the text as held
    const auto accepted = FilterNameText(input.mid(start, length));
    if (!accepted) {
        emit refused();
        return Invalid;
    }
    input.replace(start, length, *accepted); // same length, so the cursor stays where it was
    return Acceptable;
}

void InstallNameKeyFilter(QLineEdit *box, const QString &message)
{
    auto *validator = new NameKeyValidator(box);
    validator->setHeldText(box->text());
    box->setValidator(validator);
    QObject::connect(box, &QLineEdit::textChanged, validator, &NameKeyValidator::setHeldText);
    // Queued: the box first drops the refused character, then the message
    // shows, as it would for a key refused before it reached the box.
    QObject::connect(validator, &NameKeyValidator::refused, box, [box, message] {
        ShowMessage(box->window(), message, MessageIcon::Information);
    }, Qt::QueuedConnection);
}

void SetStoredName(QLineEdit *box, const QString &name)
{
    // Held already, the name arrives as nothing new for the rule to judge.
    if (auto *validator = qobject_cast<NameKeyValidator *>(const_cast<QValidator *>(box->validator())))
        validator->setHeldText(name);
    box->setText(name);
}
