// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DialogFont.h"

namespace platform {

QFont dialogFont()
{
    // A list of faces, so that the window never falls back to whatever face comes first.
    QFont font;
    font.setFamilies(dialogFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

} // namespace platform
