// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace window {

// The colour a coloured text is drawn in. On a light background the layout's colour is kept exactly,
// legible or not: that is the layout's choice. On a dark one, too dark a colour is drawn in the least
// lighter shade of the same hue that reads at 4.5:1, so blue still means width and red still crown.
QColor legibleOn(const QColor& given, const QColor& background);

// A greyed text at least as dark against its background as the classic desktop's disabled text, with a
// margin (5.3:1): the palette's own disabled grey, moved toward the normal text colour only as needed.
QColor readableGrey(const QColor& grey, const QColor& normalText, const QColor& background);

} // namespace window
