// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The display window role. A display window shows the reading its input
// window made and leads on from it:
//   Back   shows the input window again, entries and all, and closes this
//          window (button cmdBack, File > Back);
//   Exit   closes this window and brings the selector back (button cmdExit,
//          File > E&xit);
//   Print  in a program with a report, opens that report in front of this
//          window, modal (button cmdPrint, File > Print).
// A program's display window states its layout, how its commands read where
// its program differs (DisplayCommands), where its buttons stand, and the
// report that Print opens.

#include "frame/program_window.h"

#include <functional>

class QTabWidget;
struct ReadingProgramEntry;

// How a program's display commands read.
struct DisplayCommands
{
    QString printMenu = {}; // File > Print's caption; empty in a program without a report
    QString backMenu = QStringLiteral("&Back");
    QString backMenuName = QStringLiteral("mnuBack");
    bool separatorBeforeExit = false; // between the File commands and "E&xit"
    UpdateCaption update = UpdateCaption::UpdateMnemonic;
    QString exitButton = QStringLiteral("&Exit");
};

class DisplayWindow : public ProgramWindow
{
    Q_OBJECT
public:
    DisplayWindow(ProgramHost &host, const ReadingProgramEntry &program, ProgramWindow *input,
                  const DisplayCommands &commands);

public slots:
    void cmdBack_Click();
    void cmdExit_Click();
    void cmdPrint_Click();

protected:
    enum Command { Back, Exit, Print };

    // Print opens a new Report(host, display), shown by its present().
    template <typename Report, typename Display>
    void printsReport(Display *display)
    {
        m_openReport = [this, display] { (new Report(host(), display))->present(); };
    }

    // A tab sheet with the objectName given and these pages, each with its
    // tab caption, filling the body.
    enum class TabCaptions { Plain, Bold };
    QTabWidget *addTabSheet(const QString &name, const QList<std::pair<QWidget *, QString>> &pages,
                            TabCaptions captions = TabCaptions::Plain);

    // The button of a command: "&Back" (cmdBack), the Exit caption
    // (cmdExit) or "&Print" (cmdPrint).
    FaceButton *commandButton(Command command);
    // The buttons of the commands, in the order given, in a centred row at
    // the end of the body.
    void addCommandRow(const QList<Command> &commands);
    // The buttons of the commands, in the order given, at the right end of
    // the bottom strip after the widgets given: bold, as wide as given, one
    // strip button high, with the face colour given.
    void addCommandStrip(const QList<Command> &commands, int widthTwips, const QColor &face,
                         QList<QWidget *> before = {});

private:
    struct CommandButton
    {
        QString caption;
        QString name;
        void (DisplayWindow::*slot)();
    };
    CommandButton buttonOf(Command command) const;

    QPointer<ProgramWindow> m_input;
    QString m_exitCaption;
    std::function<void()> m_openReport;
};
