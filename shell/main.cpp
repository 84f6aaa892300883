// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_names.h"
#include "shell/command_line.h"
#include "shell/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is read before the toolkit reaches for a display:
    // help, the version and a mistake need none.
    NameApplication();
    // Every byte of a file name is kept, UTF-8 or not.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(FileNameFromBytes(argv[i]));
    const CommandLine line = ReadCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help: {
        const QCoreApplication help(argc, argv);
        std::fputs(qPrintable(CommandLineHelp()), stdout);
        return 0;
    }
    case CommandLine::Action::Version:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", qPrintable(line.text));
        return kUsageError;
    case CommandLine::Action::Run:
        break;
    }
    if (const QString missing = MissingPlatformMessage(line.platform); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }
    if (!DisplayAvailable(line.platform)) {
        std::fprintf(stderr, "%s\n", qPrintable(NoDisplayMessage()));
        return 1;
    }
    QApplication app(argc, argv);
    return RunStarbox(line);
}
