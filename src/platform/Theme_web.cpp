// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Theme.h"

namespace platform {

// The toolkit's page integration takes the palette, light or dark, from the browser's own setting.
void followSystemTheme()
{
}

} // namespace platform
