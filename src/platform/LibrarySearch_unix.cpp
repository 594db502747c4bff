// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LibrarySearch.h"

namespace platform {

// The dynamic loader never looks beside the program unless told to (no RPATH of $ORIGIN is set).
void loadLibrariesFromTheSystemOnly()
{
}

} // namespace platform
