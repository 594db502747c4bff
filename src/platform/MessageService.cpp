// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace platform {

std::unique_ptr<QMessageBox> warningBox(QWidget* parent, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                                             QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("warning"));
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    return box;
}

} // namespace platform
