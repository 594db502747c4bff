// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartFailure.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>

namespace platform {

namespace {

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("*qwayland*")}, QDir::Files).isEmpty();
}

} // namespace

QString startFailureLine()
{
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString x11 = qEnvironmentVariable("DISPLAY");
    QStringList tried;
    if (!chosen.isEmpty())
        tried << QStringLiteral("the platform \"%1\" named in QT_QPA_PLATFORM").arg(chosen);
    if (!wayland.isEmpty() || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")) {
        const QString name = wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland;
        tried << (waylandPluginInstalled()
                      ? QStringLiteral("the Wayland display \"%1\", which did not answer").arg(name)
                      : QStringLiteral("the Wayland display \"%1\", whose Qt plugin is missing "
                                       "(install the package qt6-wayland)")
                            .arg(name));
    }
    tried << (x11.isEmpty() ? QStringLiteral("no X11 display (DISPLAY is not set)")
                            : QStringLiteral("the X11 display \"%1\", which did not answer").arg(x11));
    return QStringLiteral("tavelon: cannot open its window: tried %1.").arg(tried.join(QStringLiteral("; ")));
}

} // namespace platform
