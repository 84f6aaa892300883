// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayMessage()));
        return 1;
    }
    QApplication app(argc, argv);
    return RunStarbox();
}
