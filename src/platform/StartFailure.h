// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace platform {

// The one plain line said when no window system could be reached: which display was tried and, where
// its plugin is missing, which package provides it.
QString startFailureLine(const QProcessEnvironment& environment, bool waylandPluginPresent);

// From here on, the toolkit's "no platform plugin could be initialized" ends the program with status 1
// after that line and the toolkit's own message, instead of aborting.
void exitCleanlyWithoutDisplay();

} // namespace platform
