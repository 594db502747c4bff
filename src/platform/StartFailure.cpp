// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartFailure.h"

#include "platform/Console.h"

#include <cstdlib>

namespace platform {

namespace {

QtMessageHandler toolkitHandler = nullptr;

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && message.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        tellUser(Channel::Error, startFailureLine() + QLatin1Char('\n'));
        toolkitHandler(type, context, message);
        std::_Exit(1);
    }
    toolkitHandler(type, context, message);
}

} // namespace

void exitCleanlyWithoutDisplay()
{
    toolkitHandler = qInstallMessageHandler(onMessage);
}

} // namespace platform
