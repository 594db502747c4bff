// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

enum class Channel { Output, Error };

// Puts a text from the command line (help, version, a refused option) where the user who started the
// program will see it: the terminal, or, for a program started with no console, a message box.
void tellUser(Channel channel, const QString& text);

} // namespace platform
