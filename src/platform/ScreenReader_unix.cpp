// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReader.h"

#include <QAccessible>

namespace platform {

void announce(QObject* notification, Announced, const QString&)
{
    // Orca speaks a notification when it is shown; this one stays shown and says so again. The picked
    // material's name Orca has just said itself, as the list's new value.
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace platform
