// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

namespace platform {

// Answers --help and --version before any window system is touched, so both work over ssh and in a
// package build. Returns the status to end with, or nothing to go on and open the window.
std::optional<int> answerHelpAndVersion(int argc, char* argv[]);

// Refuses an option left over once the application object has taken the toolkit's own (-platform,
// -style, -title, ...), which only the toolkit knows. Returns the status to end with, or nothing.
// Nothing else given on the command line changes what the window does.
std::optional<int> refuseUnknownOptions(const QStringList& arguments);

} // namespace platform
