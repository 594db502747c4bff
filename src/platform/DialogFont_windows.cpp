// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>

namespace platform {

QStringList dialogFamilies()
{
    // Windows maps "MS Sans Serif" to its TrueType successor; where the name still means the old bitmap
    // face, which Qt cannot draw, the successor is asked for by its own name. The faces after it stand in
    // where neither is installed (Wine).
    const QString classic = QStringLiteral("MS Sans Serif");
    QStringList families{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans")};
    if (QFontDatabase::families().contains(classic) && QFontDatabase::isScalable(classic))
        families.prepend(classic);
    return families;
}

} // namespace platform
