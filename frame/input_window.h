// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input window of a reading program. It runs the flow that every input
// window shares, and a program's window states only its layout and what
// its program makes different:
//
//   details    one name and a date of birth, three names and a date of
//              birth, or a name only: the window asks for its kind here and
//              places the controls it gets back where its layout wants them;
//   proceed    the button (objectName and caption from the program's
//              registry entry), the File menu entry where there is one, and
//              Proceed itself: the person entered, the program's check
//              (checkDetailsWith), then its reading (readingFor), shown in a
//              new display window while this window hides;
//   Open       for the programs that save: the program names how a saved
//              reading is read (openSavedWith: the reports' Open dialog,
//              which stands above this frame); the person read is put back
//              into the name box (as stored, outside the key rule) and the
//              date lists, then Proceed runs;
//   Exit       a button that closes the window;
//   reminder   the update reminder, for the windows that run it on loading.
//
// A refused detail shows the check's message and moves the focus to the
// control it names: the name box, a first or last name box, a date list, or
// nowhere.

#include "core/details_check.h"
#include "frame/date_lists.h"
#include "frame/details_widgets.h"
#include "frame/program_window.h"
#include "core/person.h"

#include <optional>

struct ReadingProgramEntry;
struct SavedReadingKind;
class QLineEdit;

class InputWindow : public ProgramWindow
{
    Q_OBJECT
public:
    // How Open reads a saved reading of the program's kind: nothing when the
    // user cancels or the file is refused.
    using SavedReadingOpener = std::optional<Person> (*)(QWidget *parent, const SavedReadingKind &kind);
    // A program's check of the person entered: nothing when the details may
    // be used.
    using DetailsCheck = std::optional<DetailsProblem> (*)(const Person &person);

    // The person the boxes and lists hold now: the name as typed (three
    // names as ThreeNameEntry::person joins them), the day, month and year
    // as the lists show them.
    Person enteredPerson() const;

public slots:
    // cmdProceed / cmdNext and the File menu's proceed entry.
    void proceed();
    // cmdOpen and the File menu's open entry.
    void openSaved();
    // A saved reading's person, read by Open or from outside: put back into
    // the name box (as stored, outside the key rule) and the date lists,
    // then Proceed runs.
    void showSaved(const Person &person);

protected:
    InputWindow(ProgramHost &host, const ReadingProgramEntry &program);

    // The program's own check. Without one, the three-name windows run the
    // seven-step check and the others the common single-name check with its
    // usual texts.
    void checkDetailsWith(DetailsCheck check) { m_check = check; }
    // The programs that save name the reader Open uses.
    void openSavedWith(SavedReadingOpener opener) { m_openSaved = opener; }

    // One name and a date of birth: the name box txtName, held to the key
    // rule with the given message (any character goes where it is empty),
    // and the day, month and year lists up to lastYear.
    void askForOneName(const QString &refusalMessage = {}, int lastYear = kDefaultLastYear);
    // Three names and a date of birth in the frame "Date Of Birth".
    void askForThreeNames(const QString &refusalMessage, DateOrder order);
    // A name only, in a box of the given objectName.
    void askForNameOnly(const QString &boxName, const QString &refusalMessage);

    QLineEdit *nameBox() const { return m_name; }
    const ThreeNameBoxes &threeNames() const { return m_names; }
    const DateLists &dateLists() const { return m_date; }

    // The proceed button: the program's objectName and caption, the default
    // button.
    FaceButton *createProceedButton();
    // The File menu entry that runs Proceed: the proceed caption, with its
    // mnemonic or without.
    enum class Mnemonic { Kept, Dropped };
    QAction *proceedCommand(const QString &name, Mnemonic mnemonic = Mnemonic::Kept);
    // cmdOpen, and the File menu entry, that run Open.
    FaceButton *createOpenButton(const QString &caption);
    QAction *openCommand(const QString &caption, const QString &name);
    // cmdExit, which closes the window.
    FaceButton *createExitButton(const QString &caption);

    // Loading the window runs the update reminder.
    void remindAboutUpdate();

    // A new display window showing the program's reading for the person;
    // null where there is none to show.
    virtual ProgramWindow *readingFor(const Person &person) = 0;

private:
    enum class Details { None, OneName, ThreeNames, NameOnly };

    std::optional<DetailsProblem> problemWith(const Person &person) const;
    // True when there is no problem; otherwise shows its message and moves
    // the focus to the control it names.
    bool passes(const std::optional<DetailsProblem> &problem);
    QWidget *focusFor(DetailsField field) const;
    // Open's person back into the name box and the date lists; a day,
    // month or year that is no entry leaves its list as it was.
    void restore(const Person &person);

    const ReadingProgramEntry &m_program;
    DetailsCheck m_check = nullptr;
    SavedReadingOpener m_openSaved = nullptr;
    Details m_details = Details::None;
    QLineEdit *m_name = nullptr;
    ThreeNameBoxes m_names;
    DateLists m_date;
};
