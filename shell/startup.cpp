// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "core/frame/fonts.h"
#include "core/frame/messages.h"
#include "core/frame/starbox_style.h"
#include "shell/app_settings.h"
#include "shell/frmMDI.h"
#include "shell/links.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QTimer>

bool DisplayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true; // offscreen, vnc and the like need no desktop
    return !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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

void ConfigureApplication()
{
    // The application name is also the X11 window class (WM_CLASS), which the
    // desktop entry names as its StartupWMClass, and the settings' folder.
    // No display name is set: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("starbox"));
    QApplication::setDesktopFileName(DesktopEntryName());
    QApplication::setApplicationVersion(QStringLiteral(STARBOX_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/starbox.svg")));
    QApplication::setStyle(new StarboxStyle);
    QApplication::setFont(StarboxFont(8.25));
}

int RunStarbox()
{
    ConfigureApplication();

    SingleInstance instance;
    if (!instance.tryAcquire()) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    MessageIcon::Information);
        EndProgram();
        return 0;
    }

    AppSettings settings;
    RemindAboutUpdate(settings, QDate::currentDate(), nullptr, &OpenDownloadPage);

    frmMDI main;
    main.show();

    const QStringList arguments = QApplication::arguments();
    const qsizetype screenshot = arguments.indexOf(QStringLiteral("--screenshot"));
    if (screenshot > 0 && screenshot + 1 < arguments.size()) {
        const QString file = arguments.at(screenshot + 1);
        QTimer::singleShot(0, &main, [&main, file] {
            const bool saved = main.isVisible() && main.grab().save(file);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
