// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: banner strip, program buttons, the selector area picMain
// with its coloured captions, and the bottom strip. Program windows open in
// its program area, one program at a time.

#include "core/frame/program_host.h"

#include <QMainWindow>

#include <array>

class ClickableLabel;
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
    void OpenReadingProgram(int index);
    // Closes every program window, hidden ones included.
    void CloseAllProgramWindows();

    static QString BannerText();

public slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenus();
    QWidget *createBannerStrip();
    QWidget *createButtonPanel();
    QWidget *createSelectorArea();
    QWidget *createBottomStrip();

    QMdiArea *m_area = nullptr;
    QWidget *m_picMain = nullptr;
    QList<QWidget *> m_ownControls; // strips, button panel, selector, menu bar
    std::array<QPushButton *, 9> m_buttons{};
    std::array<ClickableLabel *, 12> m_captions{};
    int m_lastProgram = -1;        // the program opened last, by index
    bool m_openingProgram = false; // closing one program to open another
};
