// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// From here on, the toolkit's "no platform plugin could be initialized" ends the program with status 1
// instead of aborting, after one plain line (which display was tried and, where its plugin is missing,
// which package provides it) and the toolkit's own message.
void exitCleanlyWithoutDisplay();

} // namespace platform
