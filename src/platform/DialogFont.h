// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

namespace platform {

// The classic 8-point dialog face of the window and its message boxes, or this desktop's stand-in for
// it. main() makes it the application's font before any widget exists, so no other face is loaded.
QFont dialogFont();

// This system's faces for it, the first that is installed taken.
QStringList dialogFamilies();

} // namespace platform
