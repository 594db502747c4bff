// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>

namespace platform {

QStringList dialogFamilies()
{
    // A page cannot reach the system's faces: the Linux build's face is built in, so the window keeps the
    // metrics its layout was made for.
    static const bool loaded = [] {
        const int regular = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        const int bold = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        return regular >= 0 && bold >= 0;
    }();
    Q_UNUSED(loaded);
    return {QStringLiteral("Liberation Sans")};
}

} // namespace platform
