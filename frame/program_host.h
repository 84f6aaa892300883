// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMdiArea;
class QUrl;
class QWidget;

// The pages of the maker and of the product that windows link to.
enum class WebLink { HomePage, OnlineHelp, DownloadPage, FullBrandPage, CoBrandPage };

// What a program window needs from the main window it lives in: the area
// that holds program windows, the selector area it hides and shows, its own
// controls that a modal report blocks, the web links, the About box and the update reminder. The main window implements it; tests may too.
class ProgramHost
{
public:
    virtual QMdiArea *programArea() const = 0;
    virtual void setSelectorVisible(bool visible) = 0;
    // The main window's own controls (its strips, program buttons, selector
    // and menu bar) take input or not. A report window, modal, turns them
    // off while it is open; closing the main window works either way.
    virtual void setOwnControlsEnabled(bool enabled) = 0;
    virtual void openLink(WebLink link) = 0;
    // A web address found in a report; only http, https and www. addresses.
    virtual void openAddress(const QUrl &address) = 0;
    virtual void showAbout(QWidget *parent) = 0;
    // The update reminder that some input windows run when they load.
    virtual void remindAboutUpdate(QWidget *parent) = 0;

protected:
    ~ProgramHost() = default;
};
