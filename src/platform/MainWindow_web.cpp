// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindow.h"

#include <QWidget>

namespace platform {

// A frame drawn in the page would bring a title bar whose close button ends nothing and a window that
// can be dragged off the page.
void showMainWindow(QWidget* window)
{
    // Shown so, the window would start with the focus on another control than the one it chose.
    QWidget* focus = window->focusWidget();
    window->showFullScreen();
    if (focus)
        focus->setFocus();
}

} // namespace platform
