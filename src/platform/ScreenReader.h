// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;

namespace platform {

// What an announcement reports: the density a pick wrote, or the figures a calculation wrote.
enum class Announced { Pick, Results };

// Has screen readers speak a text once, wherever the focus is: the text that the notification object
// (one whose accessible role is Notification) now holds. Each desktop's accessibility bridge hears of
// it by another event. The material a pick chose is not in the text: the list's own new value says it.
void announce(QObject* notification, Announced what, const QString& text);

// Has screen readers read a warning as its box opens (a page only: on a desktop the box is a dialog,
// which the screen reader reads itself).
void announceWarning(const QString& text);

} // namespace platform
