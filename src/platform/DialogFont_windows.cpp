// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {

QFont dialogFont()
{
    // Windows maps "MS Sans Serif" to its TrueType successor; where the name still means the old bitmap
    // face, which Qt cannot draw, the successor is asked for by its own name.
    QString family = QStringLiteral("MS Sans Serif");
    if (!QFontDatabase::families().contains(family) || !QFontDatabase::isScalable(family))
        family = QStringLiteral("Microsoft Sans Serif");
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

} // namespace platform
