// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartFailure.h"

namespace platform {

QString startFailureLine()
{
    // The Windows platform plugin is linked into the program: there is no display to name, nor a
    // package to install.
    return QStringLiteral("tavelon: cannot open its window: the Windows platform integration did not start.");
}

} // namespace platform
