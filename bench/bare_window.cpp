// SPDX-License-Identifier: GPL-3.0-or-later
// The bare window Starbox's start is held to, as a program of its own that
// links Qt Widgets alone: a QMainWindow holding a QMdiArea, a label and a
// button, shown and painted, then "painted" on standard output. A window
// with text and a command pays for the font database and the style's
// drawing, as this one does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Starbox")));
    layout->addWidget(new QPushButton(QStringLiteral("Proceed")));
    layout->addWidget(new QMdiArea, 1);
    window.setCentralWidget(central);
    window.resize(800, 780);
    window.show();
    QCoreApplication::processEvents();
    std::puts("painted");
    return 0;
}
