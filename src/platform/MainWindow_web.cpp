// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindow.h"

#include <QWidget>

namespace platform {

// A frame drawn in the page would bring a title bar whose close button ends nothing and a window that
// can be dragged off the page.
void showMainWindow(QWidget* window)
{
    window->showFullScreen();
}

} // namespace platform
