// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MainWindow.h"

#include <QWidget>

namespace platform {

void showMainWindow(QWidget* window)
{
    window->show();
}

} // namespace platform
