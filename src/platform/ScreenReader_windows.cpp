// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScreenReader.h"

#include <QAccessible>

namespace platform {

void announce(QObject* notification, const QString& text)
{
    // The toolkit's UI Automation bridge raises a text value change as a notification event, which
    // Narrator and NVDA speak; it passes on no show event.
    QAccessibleValueChangeEvent changed(notification, text);
    QAccessible::updateAccessibility(&changed);
}

} // namespace platform
