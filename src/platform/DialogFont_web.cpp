// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

#include <QFontDatabase>

namespace platform {

QStringList dialogFamilies()
{
    // A page cannot reach the system's faces: the Linux build's face is built in, so the window keeps the
    // metrics its layout was made for.
    [[maybe_unused]] static const bool registered = [] { // on the first call only
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        return true;
    }();
    return {QStringLiteral("Liberation Sans")};
}

} // namespace platform
