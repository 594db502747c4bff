// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include "platform/Console.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace platform {

namespace {

class Parser
{
public:
    Parser()
    {
        m_parser.setApplicationDescription(
            QStringLiteral("Plans the proportions and weight of a rectangular step-cut gem.\n"
                           "Pick the material, type the cut's ratios to the width and the volume yield, give one\n"
                           "of width, length, total height or carat weight, and press Calculate!."));
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        // Not addHelpOption(): its --help-all would promise the toolkit's options, which only an
        // application object can list, and there is none yet when help is asked for.
        m_parser.addOption(m_help);
        m_parser.addOption(m_version);
    }

    bool parse(const QStringList& arguments) { return m_parser.parse(arguments); }
    QString errorText() const { return m_parser.errorText(); }
    bool helpAsked() const { return m_parser.isSet(m_help); }
    bool versionAsked() const { return m_parser.isSet(m_version); }

    // The program's name as the user types it: without an application object the parser does not know
    // it, with one it gives the whole path, blanks and all.
    QString usage() const
    {
        const QString text = m_parser.helpText();
        return QStringLiteral("Usage: tavelon") + text.mid(text.indexOf(QLatin1String(" [options]")));
    }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")};
    QCommandLineOption m_version{{QStringLiteral("v"), QStringLiteral("version")},
                                 QStringLiteral("Displays version information.")};
};

} // namespace

std::optional<int> answerHelpAndVersion(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Parser parser;
    // The toolkit's options are not known yet and count as unknown here; they are judged later.
    parser.parse(arguments);
    if (parser.helpAsked()) {
        tellUser(Channel::Output, parser.usage());
        return 0;
    }
    if (parser.versionAsked()) {
        tellUser(Channel::Output, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                                QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownOptions(const QStringList& arguments)
{
    if (arguments.size() <= 1)
        return std::nullopt;
    Parser parser;
    if (parser.parse(arguments))
        return std::nullopt;
    tellUser(Channel::Error, QStringLiteral("tavelon: %1\n%2").arg(parser.errorText(), parser.usage()));
    return 2;
}

} // namespace platform
