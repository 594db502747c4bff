// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Console.h"

#include <cstdio>

namespace platform {

void tellUser(Channel channel, const QString& text)
{
    std::FILE* stream = channel == Channel::Output ? stdout : stderr;
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

} // namespace platform
