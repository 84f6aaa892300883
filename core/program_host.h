#pragma once

class QMdiArea;
class QWidget;

// The pages of the maker and of the product that windows link to.
enum class WebLink { HomePage, OnlineHelp, DownloadPage, FullBrandPage, CoBrandPage };

// What a program window needs from the main window it lives in: the area
// that holds program windows, the selector area it hides and shows, the web
// links and the About box. The main window implements it; tests may too.
class ProgramHost
{
public:
    virtual QMdiArea *programArea() const = 0;
    virtual void setSelectorVisible(bool visible) = 0;
    virtual void openLink(WebLink link) = 0;
    virtual void showAbout(QWidget *parent) = 0;

protected:
    ~ProgramHost() = default;
};
