#pragma once

// A stand-in for the main window, for testing program windows on their own.

#include "core/program_host.h"

#include <QList>
#include <QMdiArea>

class FakeHost : public ProgramHost
{
public:
    FakeHost();

    QMdiArea *programArea() const override { return m_area.get(); }
    void setSelectorVisible(bool visible) override { selectorVisible = visible; }
    void openLink(WebLink link) override { links.append(link); }
    void showAbout(QWidget *) override { ++aboutShown; }

    bool selectorVisible = true;
    QList<WebLink> links;
    int aboutShown = 0;

private:
    std::unique_ptr<QMdiArea> m_area;
};
