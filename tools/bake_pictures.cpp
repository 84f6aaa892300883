// SPDX-License-Identifier: GPL-3.0-or-later
// Draws SVG pictures at fixed pixel sizes while Starbox is built and writes
// them as a C++ table of pixels (see frame/baked_pictures.h):
//
//   starbox_bake_pictures OUT.cpp SIZE SCALES RESOURCE=FILE...
//
// SIZE is the pictures' logical size in pixels, SCALES the device pixel
// ratios to draw them for ("1,2"), RESOURCE the name Starbox asks for
// (":/buttons/food.svg") and FILE the SVG file to draw.

#include "frame/svg_image.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

int Fail(const char *message, const QString &detail = {})
{
    std::fprintf(stderr, "starbox_bake_pictures: %s %s\n", message, qPrintable(detail));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 5)
        return Fail("usage: starbox_bake_pictures OUT.cpp SIZE SCALES RESOURCE=FILE...");

    bool sizeRead = false;
    const int size = arguments.at(2).toInt(&sizeRead);
    if (!sizeRead || size <= 0)
        return Fail("not a size:", arguments.at(2));
    QList<int> scales;
    for (const QString &scale : arguments.at(3).split(QLatin1Char(','))) {
        bool read = false;
        scales.append(scale.toInt(&read));
        if (!read || scales.last() <= 0)
            return Fail("not a scale:", scale);
    }

    QSaveFile out(arguments.at(1));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return Fail("cannot write", arguments.at(1));
    QTextStream text(&out);
    text << "// Written by starbox_bake_pictures when Starbox was built; do not edit.\n"
            "#include \"frame/baked_pictures.h\"\n\nnamespace {\n";
    QStringList entries;
    for (qsizetype i = 4; i < arguments.size(); ++i) {
        const QString resource = arguments.at(i).section(QLatin1Char('='), 0, 0);
        const QString file = arguments.at(i).section(QLatin1Char('='), 1);
        if (resource.isEmpty() || !QFile::exists(file))
            return Fail("no such picture:", arguments.at(i));
        for (int scale : scales) {
            const QImage image = SvgImage(file, QSize(size, size) * scale);
            const QString name = QStringLiteral("kPixels%1").arg(entries.size());
            text << "\nconst std::uint32_t " << name << "[] = {";
            for (int y = 0; y < image.height(); ++y) {
                const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    text << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(line[x], 16) << "u,";
            }
            text << "\n};\n";
            entries.append(QStringLiteral("    {\"%1\", %2, %2, %3},\n").arg(resource).arg(image.width()).arg(name));
        }
    }
    text << "\n} // namespace\n\nconst BakedPicture kBakedPictures[] = {\n" << entries.join(QString())
         << "};\n\nconst std::size_t kBakedPictureCount = " << entries.size() << ";\n";
    text.flush();
    if (!out.commit())
        return Fail("cannot write", arguments.at(1));
    return 0;
}
