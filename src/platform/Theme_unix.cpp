// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Theme.h"

namespace platform {

// The desktop's platform theme gives the style and the palette, light or dark, and follows changes itself.
void followSystemTheme()
{
}

} // namespace platform
