// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"
#include "platform/Contrast.h"
#include "platform/DialogFont.h"
#include "platform/LibrarySearch.h"
#include "platform/MainWindow.h"
#include "platform/MessageService.h"
#include "platform/StartFailure.h"
#include "platform/Theme.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::loadLibrariesFromTheSystemOnly();
    QApplication::setApplicationName(QStringLiteral("Tavelon"));
    QApplication::setApplicationVersion(QStringLiteral(TAVELON_VERSION));
    if (const std::optional<int> status = platform::answerHelpAndVersion(argc, argv))
        return *status;

    platform::exitCleanlyWithoutDisplay();
    QApplication app(argc, argv);
    if (const std::optional<int> status = platform::refuseUnknownOptions(QApplication::arguments()))
        return *status;
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavelon.Tavelon"));

    QApplication::setFont(platform::dialogFont());
    platform::followSystemTheme();

    platform::QtMessageService messages;
    const std::unique_ptr<platform::ContrastSetting> contrast = platform::systemContrast();
    window::Form1 form(messages, contrast.get());
    platform::showMainWindow(&form);
    return QApplication::exec();
}
