// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace platform {

// Answers --help and --version, and refuses unknown options, before any window system is touched, so
// both work over ssh and in a package build. Returns the status to end with, or nothing to go on and
// open the window. The toolkit's own options (-platform, -style, ...) pass through; nothing else given
// on the command line changes what the window does.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace platform
