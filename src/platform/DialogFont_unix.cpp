// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QStringList>

namespace platform {

QFont dialogFont()
{
    // Liberation Sans keeps the narrow metrics the layout was made for; the package depends on it.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

} // namespace platform
