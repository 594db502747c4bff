// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"
#include "window/Form1.h"
#include "window/Layout.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelon"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELON_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tavelon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavelon.Tavelon"));

    QApplication::setFont(window::standardFont());

    platform::QtMessageService messages;
    window::Form1 form(messages);
    form.show();
    return QApplication::exec();
}
