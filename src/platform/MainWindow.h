// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace platform {

// Shows the program's window: framed by the window system on a desktop; in a page, as all of the page's
// screen, which the page gives the window's own size.
void showMainWindow(QWidget* window);

} // namespace platform
