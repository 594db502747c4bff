// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace platform {

void QtMessageService::warn(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("warning"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

} // namespace platform
