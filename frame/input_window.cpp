// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/input_window.h"

#include "frame/messages.h"
#include "frame/name_key_validator.h"
#include "frame/program_host.h"
#include "frame/reading_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>

InputWindow::InputWindow(ProgramHost &host, const ReadingProgramEntry &program)
    : ProgramWindow(host, program.name, program.inputWindow, WindowRole::Input), m_program(program)
{
}

void InputWindow::askForOneName(const QString &refusalMessage, int lastYear)
{
    askForNameOnly(QStringLiteral("txtName"), refusalMessage);
    m_details = Details::OneName;
    m_date = CreateDateLists(lastYear);
}

void InputWindow::askForThreeNames(const QString &refusalMessage, DateOrder order)
{
    m_details = Details::ThreeNames;
    m_names = CreateThreeNameBoxes(refusalMessage);
    m_date = CreateBirthDayFrame(order);
}

void InputWindow::askForNameOnly(const QString &boxName, const QString &refusalMessage)
{
    m_details = Details::NameOnly;
    m_name = new QLineEdit;
    m_name->setObjectName(boxName);
    if (!refusalMessage.isEmpty())
        InstallNameKeyFilter(m_name, refusalMessage);
}

FaceButton *InputWindow::createProceedButton()
{
    FaceButton *proceed = button(m_program.proceedCaption, m_program.proceedButton, &InputWindow::proceed);
    proceed->setDefault(true);
    return proceed;
}

QAction *InputWindow::proceedCommand(const QString &name, Mnemonic mnemonic)
{
    QString caption = m_program.proceedCaption;
    if (mnemonic == Mnemonic::Dropped)
        caption.remove(QLatin1Char('&'));
    return command(caption, name, &InputWindow::proceed);
}

FaceButton *InputWindow::createOpenButton(const QString &caption)
{
    return button(caption, QStringLiteral("cmdOpen"), &InputWindow::openSaved);
}

QAction *InputWindow::openCommand(const QString &caption, const QString &name)
{
    return command(caption, name, &InputWindow::openSaved);
}

FaceButton *InputWindow::createExitButton(const QString &caption)
{
    return button(caption, QStringLiteral("cmdExit"), &InputWindow::close);
}

void InputWindow::remindAboutUpdate()
{
    QMdiArea *area = host().programArea();
    host().remindAboutUpdate(area ? area->window() : nullptr);
}

Person InputWindow::enteredPerson() const
{
    switch (m_details) {
    case Details::ThreeNames:
        return EnteredDetails(m_names, m_date).person();
    case Details::OneName:
        return {m_name->text(), m_date.day->currentText().toInt(), m_date.month->currentText(),
                m_date.year->currentText().toInt()};
    case Details::NameOnly: {
        Person person;
        person.name = m_name->text();
        return person;
    }
    case Details::None:
        break;
    }
    return {};
}

std::optional<DetailsProblem> InputWindow::problemWith(const Person &person) const
{
    if (m_check)
        return m_check(person);
    if (m_details == Details::ThreeNames)
        return ValidateDetails(EnteredDetails(m_names, m_date));
    return ValidateDetails(person);
}

void InputWindow::proceed()
{
    const Person person = enteredPerson();
    if (!passes(problemWith(person)))
        return;
    if (ProgramWindow *display = readingFor(person))
        openDisplay(display);
}

void InputWindow::openSaved()
{
    if (!m_openSaved || !m_program.savedFiles)
        return;
    const std::optional<Person> saved = m_openSaved(this, *m_program.savedFiles);
    if (saved)
        showSaved(*saved);
}

void InputWindow::showSaved(const Person &person)
{
    restore(person);
    proceed();
}

void InputWindow::restore(const Person &person)
{
    SetStoredName(m_name, person.name);
    if (!m_date.day)
        return;
    const struct { QComboBox *list; QString text; } entries[] = {
        {m_date.day, QString::number(person.day)},
        {m_date.month, person.month},
        {m_date.year, QString::number(person.year)}};
    for (const auto &entry : entries) {
        const int index = entry.list->findText(entry.text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            entry.list->setCurrentIndex(index);
    }
}

QWidget *InputWindow::focusFor(DetailsField field) const
{
    if (field == DetailsField::Name)
        return m_name;
    return FocusTarget(field, m_names, m_date);
}

bool InputWindow::passes(const std::optional<DetailsProblem> &problem)
{
    if (!problem)
        return true;
    // The window may go while its message is open (the main window closes).
    const QPointer<QWidget> target = focusFor(problem->focus);
    ShowMessage(this, problem->message, problem->icon);
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    return false;
}
