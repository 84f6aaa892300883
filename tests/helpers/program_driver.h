// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a reading program through the real main window: opens it, fills
// its input window's controls by objectName and reads the display window.

#include "helpers/modal_watcher.h"
#include "shell/frmMDI.h"
#include "shell/reading_programs.h"

#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QMap>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

class ProgramWindow;
class QTextBrowser;

// The name boxes of the kinds of details an input window asks for, in the
// order a person fills them: one name, three names, or a first name only.
QStringList NameBoxesOf(const QWidget *input);

// Runs a window's command by its objectName: clicks the button or triggers
// the menu command. False if the window has neither.
bool RunCommand(QWidget *window, const QString &name);

// What the file dialogs and message boxes of one Save or Open showed.
struct FileDialogsSeen
{
    QStringList dialogTitles;
    QList<SeenMessage> messages;
};

// The next control that the Tab key reaches from this one.
QWidget *NextTabStop(QWidget *from);

// Selects the tab that holds a control, so that it is on screen; returns it.
template <typename T>
T *OnItsTab(T *control);
QWidget *SelectTabOf(QWidget *control);
template <typename T>
T *OnItsTab(T *control)
{
    SelectTabOf(control);
    return control;
}

// Whether Tab runs through these controls in this order.
bool TabsThrough(const QList<QWidget *> &controls);

class ProgramDriver
{
public:
    // A shown, active main window with the program's input window open.
    explicit ProgramDriver(const ReadingProgramEntry &program);

    frmMDI &main() { return *m_main; }
    const ReadingProgramEntry &entry() const { return m_program; }
    ProgramWindow *input() const;
    // The program's display window when it is on screen, else null.
    ProgramWindow *display() const;
    bool selectorVisible() const;

    // Reopens the program from the selector, as a user would.
    void reopen();

    template <typename T = QWidget>
    T *inInput(const char *name) const { return find<T>(input(), name); }
    template <typename T = QWidget>
    T *inDisplay(const char *name) const { return find<T>(display(), name); }

    void enterNames(const QString &first, const QString &middle, const QString &last);
    // Fills the details the input window asks for: its name boxes in order
    // (NameBoxesOf), then the date where it has one.
    void enterDetails(const QStringList &names, int day, const QString &month, int year);
    // What the input window holds: every name box and date list by
    // objectName, and every option button that is checked.
    QMap<QString, QString> entries() const;
    void enterDate(int day, const QString &month, int year);
    // Clicks a button of the input window; by default the program's proceed
    // button.
    void proceed(const char *button = nullptr);
    // A single-name program: enters the name and date, then proceeds.
    void read(const QString &name, int day, const QString &month, int year, const char *button = nullptr);
    // Print on the display window; the report window it opens, or null.
    ProgramWindow *openReport();
    // The report window's rich-text box.
    QTextBrowser *reportBox() const;
    // The program's report window when it is open, else null.
    ProgramWindow *report() const;
    // The text of a label or of a box in the display window.
    QString shown(const char *name) const;
    // Everything the display window shows in its labels and boxes, each
    // text after its objectName and index; empty when no display is shown.
    QStringList shownTexts() const;

    // Saves the open report to this path with its Save button.
    FileDialogsSeen saveReport(const QString &path);
    // Opens a saved reading from this path with the input window's command.
    FileDialogsSeen openSaved(const QString &path, const QString &command = QStringLiteral("cmdOpen"));

private:
    template <typename T>
    static T *find(QWidget *root, const char *name)
    {
        return root ? root->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

    const ReadingProgramEntry &m_program;
    QString m_inputName;
    std::unique_ptr<frmMDI> m_main;
};
