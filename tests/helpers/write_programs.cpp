// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the registry's programs to the file named, as JSON, for the
// python tests: they walk the programs the build holds, not a list of
// their own. Each: its name (the selector button's), its window caption,
// and whether it has a report.

#include "frame/program_window.h"
#include "shell/reading_programs.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    QJsonArray programs;
    for (const ReadingProgramEntry *program : ReadingPrograms()) {
        programs.append(QJsonObject{
            {QStringLiteral("name"), program->name},
            {QStringLiteral("caption"), ProgramWindow::CaptionOf(program->name)},
            {QStringLiteral("report"), !program->reportWindow.isEmpty()},
        });
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray json = QJsonDocument(programs).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
