// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/saved_reading.h"

#include "core/file_names.h"
#include "core/person.h"
#include "core/line_encoding.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens path for reading if it is an ordinary file, without waiting: a
// pipe would hold the opening until something writes to it, and a device
// may never end. Whatever the path names is looked at once opened, so that
// it cannot change in between.
bool OpenOrdinaryFile(QFile &file, const QString &path, QString *error)
{
    const auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const int handle = ::open(FileNameBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0)
        return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return refuse(S_ISDIR(status.st_mode) ? QStringLiteral("It is a directory")
                                              : QStringLiteral("It is not a file of data (a device, pipe or socket)"));
    }
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return refuse(file.errorString());
    }
    return true;
}

constexpr int kLines = 4;
constexpr int kLinesRead = 5;

QList<QString> InFileOrder(const SavedDetails &d, LineOrder order)
{
    if (order == LineOrder::NameMonthDayYear)
        return {d.name, d.month, d.day, d.year};
    return {d.name, d.day, d.month, d.year};
}

SavedDetails FromFileOrder(const QList<QString> &lines, LineOrder order)
{
    const auto at = [&lines](int i) { return i < lines.size() ? lines.at(i) : QString(); };
    if (order == LineOrder::NameMonthDayYear)
        return {at(0), at(2), at(1), at(3)};
    return {at(0), at(1), at(2), at(3)};
}

} // namespace

SavedReadingKind SavedKind(const char16_t *extension, LineOrder order, const char16_t *title,
                           const char16_t *saveDescription, const char16_t *openDescription)
{
    const QString ext = QString::fromUtf16(extension);
    const QString pattern = QStringLiteral(" (*.") + ext + QLatin1Char(')');
    return {ext, order, QString::fromUtf16(title), QString::fromUtf16(saveDescription) + pattern,
            QString::fromUtf16(openDescription) + pattern};
}

QString OpenDialogTitle()
{
    return QStringLiteral("Select the source file");
}

QString WrongFileMessage()
{
    return QStringLiteral("Please Check The File.");
}

QString SaveFailedMessage()
{
    return QStringLiteral("The file could not be saved.");
}

QString ReadFailedReason(const QString &reason)
{
    QString because = reason;
    if (!because.isEmpty())
        because[0] = because[0].toUpper(); // "file to open is a directory"
    return because;
}

QString ReadFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The file %1 could not be read.\n%2").arg(ShownPath(path), ReadFailedReason(reason));
}

SavedDetails SavedDetailsOf(const Person &details)
{
    return {details.name, QString::number(details.day), details.month, QString::number(details.year)};
}

namespace {

int ListNumber(const QString &line)
{
    bool ok = false;
    const int number = line.toInt(&ok);
    return ok && QString::number(number) == line ? number : 0;
}

} // namespace

Person SavedPerson(const SavedDetails &lines)
{
    return {lines.name, ListNumber(lines.day), lines.month, ListNumber(lines.year)};
}

QByteArray EncodeSavedReading(const SavedDetails &details, LineOrder order)
{
    QByteArray content;
    for (const QString &line : InFileOrder(details, order))
        content += EncodeText(line) + "\r\n";
    return content;
}

SavedDetails DecodeSavedReading(const QByteArray &content, LineOrder order)
{
    // A line ends at CR LF, LF or a lone CR: encoded text never holds
    // either byte, so any of them is a line end.
    QList<QString> lines;
    qsizetype start = 0;
    while (lines.size() < kLinesRead && start < content.size()) {
        qsizetype end = start;
        while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
            ++end;
        lines.append(DecodeText(content.mid(start, std::min(end - start, kMaxSavedLineBytes))));
        if (end + 1 < content.size() && content.at(end) == '\r' && content.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    lines.resize(std::min<qsizetype>(lines.size(), kLines));
    return FromFileOrder(lines, order);
}

bool HasExtension(const QString &path, const QString &extension)
{
    return path.endsWith(extension, Qt::CaseSensitive);
}

bool WriteSavedReading(const QString &path, const SavedDetails &details, LineOrder order,
                       QString *error)
{
    QSaveFile file(path);
    const QByteArray content = EncodeSavedReading(details, order);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
                       && file.commit();
    if (!saved && error)
        *error = file.errorString();
    return saved;
}

std::optional<SavedDetails> ReadSavedReading(const QString &path, LineOrder order, QString *error)
{
    QFile file;
    const auto failed = [&file, error]() -> std::optional<SavedDetails> {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    };
    if (!OpenOrdinaryFile(file, path, error))
        return std::nullopt;
    // The rest of an overlong line is skipped, but only so far: a file that
    // never ends a line ends the reading instead.
    constexpr qint64 kMaxSkippedBytes = 64 * kMaxSavedLineBytes;
    QByteArray content;
    for (int line = 0; line < kLinesRead; ++line) {
        QByteArray kept = file.readLine(kMaxSavedLineBytes + 1);
        if (kept.isEmpty())
            break; // the end, or a failure, told below
        bool ended = kept.endsWith('\n');
        qint64 skipped = 0;
        while (!ended && skipped < kMaxSkippedBytes) {
            const QByteArray rest = file.readLine(kMaxSavedLineBytes + 1);
            if (rest.isEmpty())
                break;
            skipped += rest.size();
            ended = rest.endsWith('\n');
        }
        if (kept.endsWith('\n'))
            kept.chop(1);
        content += kept.left(kMaxSavedLineBytes) + '\n';
        if (!ended)
            break;
    }
    if (file.error() != QFileDevice::NoError)
        return failed();
    return DecodeSavedReading(content, order);
}
