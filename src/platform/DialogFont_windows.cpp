// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>

namespace platform {

QStringList dialogFamilies()
{
    // The layout's "MS Sans Serif" is a bitmap face on Windows, which the toolkit does not draw; the
    // TrueType face Windows gives its dialogs in its place, Microsoft Sans Serif (what "MS Shell Dlg"
    // stands for), is asked for by its own name, and "MS Sans Serif" only where it is scalable (Wine
    // ships such a face). Liberation Sans stands in where neither is installed (Wine, which finds the
    // host's faces) before Tahoma, whose bold Wine draws like its regular at this size.
    const QString classic = QStringLiteral("MS Sans Serif");
    QStringList families{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Tahoma"), QStringLiteral("Arial")};
    if (QFontDatabase::families().contains(classic) && QFontDatabase::isScalable(classic))
        families.prepend(classic);
    return families;
}

} // namespace platform
