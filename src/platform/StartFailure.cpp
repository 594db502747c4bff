// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartFailure.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

QtMessageHandler toolkitHandler = nullptr;

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty();
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && message.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        const QString line = startFailureLine(QProcessEnvironment::systemEnvironment(), waylandPluginInstalled());
        std::fprintf(stderr, "%s\n", qPrintable(line));
        toolkitHandler(type, context, message);
        std::fflush(stderr);
        std::_Exit(1);
    }
    toolkitHandler(type, context, message);
}

} // namespace

QString startFailureLine(const QProcessEnvironment& environment, bool waylandPluginPresent)
{
    const QString chosen = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    const QString x11 = environment.value(QStringLiteral("DISPLAY"));
    QStringList tried;
    if (!chosen.isEmpty())
        tried << QStringLiteral("the platform \"%1\" named in QT_QPA_PLATFORM").arg(chosen);
    if (!wayland.isEmpty() || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland")) {
        const QString name = wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland;
        tried << (waylandPluginPresent ? QStringLiteral("the Wayland display \"%1\", which did not answer").arg(name)
                                       : QStringLiteral("the Wayland display \"%1\", whose Qt plugin is missing "
                                                        "(install the package qt6-wayland)")
                                             .arg(name));
    }
    tried << (x11.isEmpty() ? QStringLiteral("no X11 display (DISPLAY is not set)")
                            : QStringLiteral("the X11 display \"%1\", which did not answer").arg(x11));
    return QStringLiteral("tavelon: cannot open its window: tried %1.").arg(tried.join(QStringLiteral("; ")));
}

void exitCleanlyWithoutDisplay()
{
    toolkitHandler = qInstallMessageHandler(onMessage);
}

} // namespace platform
