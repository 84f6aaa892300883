// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/display_window.h"

#include "frame/fonts.h"
#include "frame/reading_program.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

DisplayWindow::DisplayWindow(ProgramHost &host, const ReadingProgramEntry &program,
                             ProgramWindow *input, const DisplayCommands &commands)
    : ProgramWindow(host, program.name, program.displayWindow, WindowRole::Display),
      m_input(input), m_exitCaption(commands.exitButton)
{
    QList<QAction *> file;
    if (!commands.printMenu.isEmpty())
        file.append(command(commands.printMenu, QStringLiteral("mnuPrint"), &DisplayWindow::cmdPrint_Click));
    file.append(command(commands.backMenu, commands.backMenuName, &DisplayWindow::cmdBack_Click));
    if (commands.separatorBeforeExit)
        file.append(nullptr);
    createMenuBar(file, commands.update);
}

void DisplayWindow::cmdBack_Click()
{
    backTo(m_input);
}

void DisplayWindow::cmdExit_Click()
{
    close();
}

void DisplayWindow::cmdPrint_Click()
{
    if (m_openReport)
        m_openReport();
}

QTabWidget *DisplayWindow::addTabSheet(const QString &name,
                                       const QList<std::pair<QWidget *, QString>> &pages,
                                       TabCaptions captions)
{
    auto *sheet = new QTabWidget;
    sheet->setObjectName(name);
    if (captions == TabCaptions::Bold)
        sheet->tabBar()->setFont(StarboxFont(8.25, true));
    for (const auto &[page, caption] : pages)
        sheet->addTab(page, caption);
    body()->addWidget(sheet, 1);
    return sheet;
}

DisplayWindow::CommandButton DisplayWindow::buttonOf(Command command) const
{
    switch (command) {
    case Back:
        return {QStringLiteral("&Back"), QStringLiteral("cmdBack"), &DisplayWindow::cmdBack_Click};
    case Exit:
        return {m_exitCaption, QStringLiteral("cmdExit"), &DisplayWindow::cmdExit_Click};
    case Print:
        break;
    }
    return {QStringLiteral("&Print"), QStringLiteral("cmdPrint"), &DisplayWindow::cmdPrint_Click};
}

FaceButton *DisplayWindow::commandButton(Command command)
{
    const CommandButton made = buttonOf(command);
    FaceButton *created = button(made.caption, made.name, made.slot);
    // The commands come after the whole reading, wherever it was made.
    placeLastInTabOrder(created);
    return created;
}

void DisplayWindow::addCommandRow(const QList<Command> &commands)
{
    QList<QPushButton *> buttons;
    for (Command command : commands)
        buttons.append(commandButton(command));
    addButtonRow(buttons);
}

void DisplayWindow::addCommandStrip(const QList<Command> &commands, int widthTwips,
                                    const QColor &face, QList<QWidget *> before)
{
    for (Command command : commands) {
        const CommandButton made = buttonOf(command);
        FaceButton *created = stripButton(made.caption, made.name, made.slot, widthTwips);
        created->setFace(face);
        placeLastInTabOrder(created);
        before.append(created);
    }
    addToBottomStrip(before);
}
