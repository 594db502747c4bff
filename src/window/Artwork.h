// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace window {

// The artwork is drawn as SVG and rendered to pixels when the program is built, so start-up loads
// neither an SVG renderer nor any image format plugin.

// The cut diagram, sharp at the given screen scale.
QPixmap cutDiagram(qreal devicePixelRatio);

// The program's icon at the sizes window systems ask for.
QIcon programIcon();

} // namespace window
