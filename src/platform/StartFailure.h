// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// From here on, the toolkit's "no platform plugin could be initialized" ends the program with status 1
// instead of aborting, after one plain line for the user and the toolkit's own message.
void exitCleanlyWithoutDisplay();

// That line: which window system was tried and, where its plugin is missing, what to install.
QString startFailureLine();

} // namespace platform
