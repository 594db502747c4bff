// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {

QFont dialogFont()
{
    // Windows maps "MS Sans Serif" to its TrueType successor; where the name still means the old bitmap
    // face, which Qt cannot draw, the successor is asked for by its own name. The faces after it stand in
    // where neither is installed (Wine), so that the window never falls back to whatever face comes first.
    const QString classic = QStringLiteral("MS Sans Serif");
    QStringList families{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans")};
    if (QFontDatabase::families().contains(classic) && QFontDatabase::isScalable(classic))
        families.prepend(classic);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

} // namespace platform
