// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

namespace platform {

QStringList dialogFamilies()
{
    // Liberation Sans keeps the narrow metrics the layout was made for; the package depends on it.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
            QStringLiteral("DejaVu Sans")};
}

} // namespace platform
