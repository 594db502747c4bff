// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Has every library the program or its toolkit loads at run time come from the system's own folder, never
// from the folder the program was started from (where a download may have left a library of the same
// name beside it). main() calls it first.
void loadLibrariesFromTheSystemOnly();

} // namespace platform
