// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace window {

// Renders a piece of the built-in vector art at a logical size, sharp at the given screen scale.
QPixmap renderArt(const QString& resource, QSize size, qreal devicePixelRatio, const QColor& background);

// The program's icon at the sizes window systems ask for, drawn from the same vector art, so the
// SVG icon plugin need not be loaded at start-up.
QIcon programIcon();

} // namespace window
