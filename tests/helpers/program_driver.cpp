// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpers/program_driver.h"

#include "frame/program_window.h"
#include "helpers/file_dialogs.h"
#include "helpers/isolation.h"
#include "helpers/shown_text.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTest>

QWidget *NextTabStop(QWidget *from)
{
    QWidget *next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

QWidget *SelectTabOf(QWidget *control)
{
    for (QWidget *w = control; w && w->parentWidget(); w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(w->parentWidget()->parentWidget())) {
            const int page = tabs->indexOf(w);
            if (page >= 0)
                tabs->setCurrentIndex(page);
        }
    }
    return control;
}

bool TabsThrough(const QList<QWidget *> &controls)
{
    for (qsizetype i = 0; i + 1 < controls.size(); ++i) {
        if (!controls[i] || NextTabStop(controls[i]) != controls[i + 1])
            return false;
    }
    return true;
}

QStringList NameBoxesOf(const QWidget *input)
{
    if (!input)
        return {};
    if (input->findChild<QLineEdit *>(QStringLiteral("txtName")))
        return {QStringLiteral("txtName")};
    QStringList boxes;
    for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        if (input->findChild<QLineEdit *>(QString::fromLatin1(name)))
            boxes.append(QString::fromLatin1(name));
    }
    return boxes;
}

bool RunCommand(QWidget *window, const QString &name)
{
    if (!window)
        return false;
    if (auto *button = window->findChild<QAbstractButton *>(name)) {
        button->click();
        return true;
    }
    if (auto *action = window->findChild<QAction *>(name)) {
        action->trigger();
        return true;
    }
    return false;
}

ProgramDriver::ProgramDriver(const ReadingProgramEntry &program)
    : m_program(program), m_inputName(program.inputWindow),
      m_main((IsolateUserFiles(), std::make_unique<frmMDI>()))
{
    m_main->show();
    if (!QTest::qWaitForWindowExposed(m_main.get()))
        qWarning("main window not exposed");
    m_main->activateWindow();
    if (!QTest::qWaitForWindowActive(m_main.get()))
        qWarning("main window not active");
    m_main->OpenReadingProgram(program.button);
}

ProgramWindow *ProgramDriver::input() const
{
    return m_main->findChild<ProgramWindow *>(m_inputName);
}

ProgramWindow *ProgramDriver::display() const
{
    for (QMdiSubWindow *sub : m_main->programArea()->subWindowList()) {
        auto *window = qobject_cast<ProgramWindow *>(sub);
        if (window && window->role() == WindowRole::Display && window->isVisible())
            return window;
    }
    return nullptr;
}

bool ProgramDriver::selectorVisible() const
{
    return m_main->findChild<QWidget *>(QStringLiteral("picMain"))->isVisible();
}

void ProgramDriver::reopen()
{
    m_main->OpenReadingProgram(m_program.button);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgramDriver::enterNames(const QString &first, const QString &middle, const QString &last)
{
    inInput<QLineEdit>("txtFirstName")->setText(first);
    inInput<QLineEdit>("txtMiddleName")->setText(middle);
    inInput<QLineEdit>("txtLastName")->setText(last);
}

void ProgramDriver::enterDate(int day, const QString &month, int year)
{
    inInput<QComboBox>("cboDate")->setCurrentText(QString::number(day));
    inInput<QComboBox>("cboMonth")->setCurrentText(month);
    inInput<QComboBox>("cboYear")->setCurrentText(QString::number(year));
}

void ProgramDriver::enterDetails(const QStringList &names, int day, const QString &month, int year)
{
    const QStringList boxes = NameBoxesOf(input());
    for (qsizetype i = 0; i < boxes.size(); ++i)
        inInput<QLineEdit>(boxes[i].toLatin1().constData())->setText(names.value(i));
    if (inInput<QComboBox>("cboDate"))
        enterDate(day, month, year);
}

QMap<QString, QString> ProgramDriver::entries() const
{
    QMap<QString, QString> held;
    if (!input())
        return held;
    for (const QString &box : NameBoxesOf(input()))
        held.insert(box, input()->findChild<QLineEdit *>(box)->text());
    for (const char *list : {"cboDate", "cboMonth", "cboYear"}) {
        if (auto *dates = inInput<QComboBox>(list))
            held.insert(QString::fromLatin1(list), dates->currentText());
    }
    for (QRadioButton *option : input()->findChildren<QRadioButton *>()) {
        if (option->isChecked())
            held.insert(option->objectName(), QStringLiteral("checked"));
    }
    return held;
}

void ProgramDriver::proceed(const char *button)
{
    if (!button) {
        input()->findChild<QPushButton *>(entry().proceedButton)->click();
        return;
    }
    inInput<QPushButton>(button)->click();
}

void ProgramDriver::read(const QString &name, int day, const QString &month, int year, const char *button)
{
    inInput<QLineEdit>("txtName")->setText(name);
    enterDate(day, month, year);
    proceed(button);
}

ProgramWindow *ProgramDriver::openReport()
{
    inDisplay<QPushButton>("cmdPrint")->click();
    return report();
}

QTextBrowser *ProgramDriver::reportBox() const
{
    ProgramWindow *window = report();
    return window ? window->findChild<QTextBrowser *>(QStringLiteral("RTB")) : nullptr;
}

ProgramWindow *ProgramDriver::report() const
{
    for (QMdiSubWindow *sub : m_main->programArea()->subWindowList()) {
        auto *window = qobject_cast<ProgramWindow *>(sub);
        if (window && window->role() == WindowRole::Report && window->isVisible())
            return window;
    }
    return nullptr;
}

QString ProgramDriver::shown(const char *name) const
{
    const QString objectName = QString::fromLatin1(name);
    QWidget *window = display();
    if (!window || !(window->findChild<QLabel *>(objectName) || window->findChild<QPlainTextEdit *>(objectName)
                     || window->findChild<QLineEdit *>(objectName))) {
        qWarning("no label or box %s on the display window", name);
        return {};
    }
    return ShownText(window, objectName);
}

QStringList ProgramDriver::shownTexts() const
{
    QStringList texts;
    QWidget *window = display();
    if (!window)
        return texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
            text = box->toPlainText();
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            text = line->text();
        else
            continue;
        texts.append(widget->objectName() + QLatin1Char('[') + widget->property("index").toString()
                     + QStringLiteral("]: ") + text);
    }
    return texts;
}

FileDialogsSeen ProgramDriver::saveReport(const QString &path)
{
    FileDialogAnswer answer(path);
    if (ProgramWindow *window = report())
        RunCommand(window, QStringLiteral("cmdSave"));
    return {answer.dialogTitles, answer.messages};
}

FileDialogsSeen ProgramDriver::openSaved(const QString &path, const QString &command)
{
    FileDialogAnswer answer(path);
    RunCommand(input(), command);
    return {answer.dialogTitles, answer.messages};
}
