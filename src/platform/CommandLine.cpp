// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace platform {

namespace {

// The options QGuiApplication and QApplication take for themselves.
constexpr const char* toolkitOptionsWithValue[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                                   "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                                   "style",           "stylesheet",         "display",       "geometry",
                                                   "qmljsdebugger"};
constexpr const char* toolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb"};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plans the proportions and weight of a rectangular step-cut gem.\n"
                       "Pick the material, type the cut's ratios to the width and the volume yield, give one\n"
                       "of width, length, total height or carat weight, and press Calculate!."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would promise the toolkit's options, which only an application
    // object can list, and there is none yet.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : toolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : toolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Without an application object the parser cannot know the program's name.
    const QString usage = parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tavelon"));
    if (!parser.parse(arguments)) {
        print(stderr, QStringLiteral("tavelon: %1\n%2").arg(parser.errorText(), usage));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace platform
