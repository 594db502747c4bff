// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

namespace platform {

// A page has no command line: there is no option to answer or refuse.
std::optional<int> answerHelpAndVersion(int, char*[])
{
    return std::nullopt;
}

std::optional<int> refuseUnknownOptions(const QStringList&)
{
    return std::nullopt;
}

} // namespace platform
