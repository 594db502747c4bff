// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Console.h"

#include <cstdio>

namespace platform {

void tellUser(Channel channel, const QString& text)
{
    std::FILE* stream = channel == Channel::Output ? stdout : stderr;
    std::fprintf(stream, "%s", qPrintable(text));
    std::fflush(stream);
}

} // namespace platform
