// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramEnd.h"

#include <QCoreApplication>
#include <QWidget>

namespace platform {

void endProgram(QWidget* window)
{
    window->close();
    QCoreApplication::exit(0);
}

} // namespace platform
