// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "frame/accessibility/accessibility.h"
#include "frame/fonts.h"
#include "frame/messages.h"
#include "shell/app_settings.h"
#include "shell/command_line.h"
#include "shell/frmMDI.h"
#include "shell/links.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// The platform asked for: the command line's, else the environment's.
QStringList PlatformNames(const QString &platform)
{
    const QString asked = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    QStringList names;
    for (const QString &entry : asked.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names.append(entry.section(QLatin1Char(':'), 0, 0).trimmed().toLower()); // "xcb:option=value"
    names.removeAll(QString());
    return names;
}

} // namespace

bool DisplayAvailable(const QString &platform)
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QStringList names = PlatformNames(platform);
    if (names.isEmpty())
        return x11 || wayland;
    for (const QString &name : names) {
        if (name == u"xcb" ? x11 : name.startsWith(u"wayland") ? wayland : true)
            return true; // offscreen, vnc and the like need no desktop
    }
    return false;
}

QString MissingPlatformMessage(const QString &platform)
{
    const QStringList names = PlatformNames(platform);
    if (names.isEmpty() || qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        return {};
    QStringList found;
    for (const QString &folder : QCoreApplication::libraryPaths()) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        for (const QString &file : platforms.entryList(QDir::Files)) {
            const QJsonObject meta = QPluginLoader(platforms.filePath(file)).metaData();
            for (const QJsonValue &key : meta.value(u"MetaData").toObject().value(u"Keys").toArray())
                found.append(key.toString().toLower());
        }
    }
    if (found.isEmpty() || std::ranges::any_of(names, [&found](const QString &name) { return found.contains(name); }))
        return {};
    found.sort();
    found.removeDuplicates();
    return QStringLiteral("starbox: there is no display platform called \"%1\"; there are %2.")
        .arg(names.join(u"\", \""), found.join(u", "));
}

QString NoDisplayMessage()
{
    return QStringLiteral("Starbox needs a graphical desktop, but no display was found "
                          "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                          "Start it from a desktop session, or under xvfb-run.");
}

void EndProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

QString ApplicationCaption()
{
    return QStringLiteral("Starbox v" STARBOX_VERSION);
}

QString DesktopEntryName()
{
    return QStringLiteral(STARBOX_APP_ID);
}

void NameApplication()
{
    // The application name is also the X11 window class (WM_CLASS), which the
    // desktop entry names as its StartupWMClass, and the settings' folder.
    // No display name is set: Qt would append it to every window title.
    QCoreApplication::setApplicationName(QStringLiteral("starbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STARBOX_VERSION));
}

void ConfigureApplication()
{
    NameApplication();
    InstallAccessibleInterfaces();
    QApplication::setDesktopFileName(DesktopEntryName());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/starbox.svg")));
    QApplication::setFont(StarboxFont(8.25));
}

int RunStarbox(const CommandLine &line)
{
    ConfigureApplication();

    SingleInstance instance;
    if (const QString fault = instance.fault(); !fault.isEmpty()) {
        ShowMessage(nullptr, fault, MessageIcon::Stop);
        EndProgram();
        return 1;
    }
    if (!instance.tryAcquire()) {
        if (!SingleInstance::HandOverTakes(line.files)) {
            std::fprintf(stderr, "starbox: too many files to hand over at once (%lld bytes of paths at most)\n",
                         static_cast<long long>(SingleInstance::kMaxHandOverBytes));
            EndProgram();
            return kUsageError;
        }
        if (!line.files.isEmpty() && instance.handOver(line.files))
            return 0;
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    MessageIcon::Information);
        EndProgram();
        return 0;
    }
    // Files named here, or handed over while the reminder is still up,
    // wait for the main window; later ones go straight to it.
    QStringList waiting = line.files;
    frmMDI *shown = nullptr;
    instance.listen();
    QObject::connect(&instance, &SingleInstance::filesArrived, &instance, [&](const QStringList &arrived) {
        if (!shown) {
            waiting += arrived;
            return;
        }
        shown->bringToFront();
        shown->openSavedFiles(arrived);
    });

    AppSettings settings;
    RemindAboutUpdate(settings, QDate::currentDate(), nullptr, &OpenDownloadPage);

    frmMDI main;
    main.show();
    shown = &main;
    if (!waiting.isEmpty())
        main.openSavedFiles(waiting);

    if (!line.screenshot.isEmpty()) {
        const QString file = line.screenshot;
        QTimer::singleShot(0, &main, [&main, file] {
            const bool saved = main.isVisible() && main.grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
