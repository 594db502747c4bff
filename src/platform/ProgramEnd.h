// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace platform {

// Closes the window and stops the event loop with status 0; nothing is asked of the user.
void endProgram(QWidget* window);

} // namespace platform
