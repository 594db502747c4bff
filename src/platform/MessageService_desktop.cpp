// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include <QMessageBox>

namespace platform {

// Nothing waits: warn() returns once its box is pressed away.
struct QtMessageService::Queue
{
};

QtMessageService::QtMessageService() = default;
QtMessageService::~QtMessageService() = default;

void QtMessageService::warn(QWidget* parent, const QString& text)
{
    warningBox(parent, text)->exec();
}

void QtMessageService::afterWarnings(std::function<void()> then)
{
    then();
}

} // namespace platform
