// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/command_line.h"

#include "core/saved_reading.h"
#include "shell/reading_programs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

// The options QGuiApplication and QApplication take out of the arguments
// themselves. They are still there when the command line is read, before
// the toolkit starts; known here, hidden from the help, they are not
// refused. Those with a value name take the next argument.
struct ToolkitOption
{
    const char *name;
    const char *valueName;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", "name"},   {"platformpluginpath", "path"}, {"platformtheme", "name"},
    {"plugin", "name"},     {"qwindowgeometry", "geometry"}, {"qwindowicon", "icon"},
    {"qwindowtitle", "title"}, {"display", "display"},      {"geometry", "geometry"},
    {"title", "title"},     {"style", "style"},             {"stylesheet", "file"},
    {"session", "session"}, {"reverse", nullptr},           {"widgetcount", nullptr},
    {"nograb", nullptr},    {"dograb", nullptr},            {"sync", nullptr},
};

// Starbox's options, its description and its arguments.
struct Parser
{
    Parser();

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end.")};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end.")};
    const QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture (PNG) of the main window in <file> once it is on screen, "
                       "and end."),
        QStringLiteral("file")};
};

Parser::Parser()
{
    // "-platform xcb", as every Qt program takes it, rather than -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The kinds of saved reading that the selector's programs open.
    const QString kinds = OfferedProgramsText(
        [](const ReadingProgramEntry &program) {
            return program.savedFiles ? QStringLiteral("%1 (.%2)").arg(program.name, program.savedFiles->extension)
                                      : QString();
        },
        QStringLiteral(" and "));
    parser.setApplicationDescription(
        QStringLiteral("Light-hearted astrology readings for the desktop.\n"
                       "Files named after the options are saved readings, each opened in its program:\n"
                       "%1.\n"
                       "A Starbox that already runs is handed them and opens them.\n"
                       "Starbox also takes the options of every Qt program, such as -platform NAME.")
            .arg(kinds));
    parser.addOptions({help, version, screenshot});
    for (const ToolkitOption &option : kToolkitOptions) {
        QCommandLineOption taken(QString::fromLatin1(option.name));
        if (option.valueName)
            taken.setValueName(QString::fromLatin1(option.valueName));
        taken.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(taken);
    }
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Saved readings to open."),
                                 QStringLiteral("[file...]"));
}

} // namespace

QString CommandLineHelp()
{
    return Parser().parser.helpText();
}

CommandLine ReadCommandLine(const QStringList &arguments)
{
    Parser read;
    QCommandLineParser &parser = read.parser;
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("starbox: %1 Try starbox --help.").arg(parser.errorText());
        return line;
    }
    if (parser.isSet(read.help)) {
        line.action = CommandLine::Action::Help; // CommandLineHelp() gives the text
        return line;
    }
    if (parser.isSet(read.version)) {
        line.action = CommandLine::Action::Version;
        line.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                   QCoreApplication::applicationVersion());
        return line;
    }
    line.screenshot = parser.value(read.screenshot);
    if (parser.isSet(read.screenshot) && line.screenshot.isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("starbox: --screenshot needs a file name. Try starbox --help.");
        return line;
    }
    line.platform = parser.value(QStringLiteral("platform"));
    for (const QString &file : parser.positionalArguments())
        line.files.append(QDir::cleanPath(QDir::current().absoluteFilePath(file)));
    return line;
}
