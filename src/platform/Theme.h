// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Has the window follow the desktop's light or dark mode, now and whenever the user changes it, with a
// style that can draw that mode. main() calls it once the application exists, before any widget.
void followSystemTheme();

} // namespace platform
