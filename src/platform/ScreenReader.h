// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;

namespace platform {

// Has screen readers speak a text once, wherever the focus is: the text that the notification object
// (one whose accessible role is Notification) now holds. Each desktop's accessibility bridge hears of
// it by another event.
void announce(QObject* notification, const QString& text);

} // namespace platform
