#include "core/name_key_validator.h"

#include "core/messages.h"
#include "core/name_filter.h"

#include <QLineEdit>
#include <QPointer>

QValidator::State NameKeyValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    const auto accepted = FilterNameText(input);
    if (!accepted) {
        emit refused();
        return Invalid;
    }
    input = *accepted; // same length, so the cursor stays where it was
    return Acceptable;
}

void InstallNameKeyFilter(QLineEdit *box, const QString &message)
{
    auto *validator = new NameKeyValidator(box);
    box->setValidator(validator);
    // Queued: the box first drops the refused character, then the message
    // shows, as it would for a key refused before it reached the box.
    QObject::connect(validator, &NameKeyValidator::refused, box, [box, message] {
        ShowMessage(box->window(), message, MessageIcon::Information);
    }, Qt::QueuedConnection);
}
