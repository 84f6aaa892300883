// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: banner strip, program buttons, the selector area picMain
// with its coloured captions, and the bottom strip. Program windows open in
// its program area, one program at a time.

#include "frame/program_host.h"

#include <QMainWindow>

#include <QList>
#include <QStringList>

class ClickableLabel;
class ProgramWindow;
class QMdiArea;
class QPushButton;

class frmMDI : public QMainWindow, public ProgramHost
{
    Q_OBJECT
public:
    explicit frmMDI(QWidget *parent = nullptr);

    // ProgramHost
    QMdiArea *programArea() const override { return m_area; }
    void setSelectorVisible(bool visible) override;
    void setOwnControlsEnabled(bool enabled) override;
    void openLink(WebLink link) override;
    void openAddress(const QUrl &address) override;
    void showAbout(QWidget *parent) override;
    void remindAboutUpdate(QWidget *parent) override;

    // Closes whatever program is open, then opens the program's input window
    // centred at the top of the program area.
    // Returns the input window; null for no program.
    ProgramWindow *OpenReadingProgram(int index);
    // Closes every program window, hidden ones included.
    void CloseAllProgramWindows();

    static QString BannerText();

    static constexpr qsizetype kMaxFilesTried = 32;

    // Opens a saved reading from outside (the command line, a later start,
    // a drop) in its program as that program's Open does. Only one program
    // shows at a time, so of the files given together only the last that
    // reads is opened, and of many only the last kMaxFilesTried are tried.
    // One message tells of the files passed over and of those refused: no
    // saved reading, unreadable, or of a program the selector does not
    // offer. While a dialog or a report is open they wait for it.
    void openSavedFiles(const QStringList &paths);
    // Shows the window, unminimised, above the others and active.
    void bringToFront();

public slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    QWidget *createBannerStrip();
    QWidget *createButtonPanel();
    QWidget *createSelectorArea();
    QWidget *createBottomStrip();
    void openWaitingFiles();

    QMdiArea *m_area = nullptr;
    QWidget *m_picMain = nullptr;
    QList<QWidget *> m_ownControls; // strips, button panel, selector, menu bar
    QList<QPushButton *> m_buttons;     // by the program's button index
    QList<ClickableLabel *> m_captions; // the headings, then by button index
    int m_lastProgram = -1;        // the program opened last, by index
    bool m_ownControlsEnabled = true; // false while a report is open
    QStringList m_waitingFiles;    // saved readings to open, in order
    qsizetype m_passedOverFiles = 0; // given before the last kMaxFilesTried
    bool m_openingProgram = false; // closing one program to open another
};
