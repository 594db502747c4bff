// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LibrarySearch.h"

namespace platform {

// Everything is linked into the one module: nothing is loaded at run time.
void loadLibrariesFromTheSystemOnly()
{
}

} // namespace platform
