// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartFailure.h"

namespace platform {

// A page either loads and draws, or the browser has no WebAssembly, which the page itself says.
void exitCleanlyWithoutDisplay()
{
}

} // namespace platform
