#pragma once

#include <QValidator>

class QLineEdit;

// Holds a name box to the name key rule whatever way text arrives: typed,
// pasted, dropped or composed. Letters become capitals; text with any other
// character is refused whole and refused() is emitted.
class NameKeyValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

signals:
    void refused() const;
};

// Puts the rule on a name box; a refusal shows the program's message (with
// the information icon) once the box has undone the refused edit.
void InstallNameKeyFilter(QLineEdit *box, const QString &message);
