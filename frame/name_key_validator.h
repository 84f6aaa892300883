// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// Holds a name box to the name key rule whatever way text arrives: typed,
// pasted, dropped or composed. The rule judges what arrives, not what the
// box held before: arriving letters become capitals; text with any other
// character is refused whole and refused() is emitted. A name put back
// from a saved file is held as it was stored, outside the rule.
class NameKeyValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    // What the box holds now: the text that the next edit changes.
    void setHeldText(const QString &text) { m_held = text; }

signals:
    void refused() const;

private:
    QString m_held;
};

// Puts the rule on a name box; a refusal shows the program's message (with
// the information icon) once the box has undone the refused edit.
void InstallNameKeyFilter(QLineEdit *box, const QString &message);

// Puts a stored name into a name box as it was stored, outside the key
// rule: no change of case, no message. What is typed afterwards follows the
// rule again. A box without the rule just takes the text.
void SetStoredName(QLineEdit *box, const QString &name);
