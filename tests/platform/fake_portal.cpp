// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop portal's settings on the session bus, as the contrast tests want it:
//   fake_portal [--contrast N] [--gnome true|false] [--wrap 1|2] [--slow MS]
// Read answers the appearance's "contrast" and GNOME's "high-contrast" with the values given, wrapped in
// one variant or two, after MS milliseconds; a key not given is NotFound. A line "contrast N" or
// "gnome true|false" on standard input changes the value and emits SettingChanged. Prints "ready" once
// it owns the portal's name.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const std::pair<QString, QString> appearance{QStringLiteral("org.freedesktop.appearance"), QStringLiteral("contrast")};
const std::pair<QString, QString> gnome{QStringLiteral("org.gnome.desktop.a11y.interface"),
                                        QStringLiteral("high-contrast")};

class Portal final : public QDBusVirtualObject
{
public:
    std::map<std::pair<QString, QString>, QVariant> values;
    int wrap = 2;
    int slow = 0;

    QVariant wrapped(const QVariant& value) const
    {
        QVariant out = value;
        for (int i = 0; i < wrap; ++i)
            out = QVariant::fromValue(QDBusVariant(out));
        return out;
    }

    QString introspect(const QString&) const override
    {
        return QStringLiteral("<interface name=\"org.freedesktop.portal.Settings\"/>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() != settings || message.member() != QLatin1String("Read") ||
            message.arguments().size() != 2)
            return false;
        const auto found = values.find({message.arguments().at(0).toString(), message.arguments().at(1).toString()});
        const QDBusMessage reply =
            found == values.end() ? message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                                             QStringLiteral("Requested setting not found"))
                                  : message.createReply(wrapped(found->second));
        message.setDelayedReply(true);
        QTimer::singleShot(slow, [connection, reply] { QDBusConnection(connection).send(reply); });
        return true;
    }

    void change(const std::pair<QString, QString>& key, const QVariant& value)
    {
        values[key] = value;
        QDBusMessage signal = QDBusMessage::createSignal(path, settings, QStringLiteral("SettingChanged"));
        signal << key.first << key.second << QVariant::fromValue(QDBusVariant(value));
        QDBusConnection::sessionBus().send(signal);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"contrast", "appearance contrast", "N"},
                       {"gnome", "GNOME high-contrast", "BOOL"},
                       {"wrap", "variants around a value", "N", "2"},
                       {"slow", "milliseconds before each answer", "MS", "0"}});
    parser.process(app);
    Portal portal;
    portal.wrap = parser.value("wrap").toInt();
    portal.slow = parser.value("slow").toInt();
    if (parser.isSet("contrast"))
        portal.values[appearance] = parser.value("contrast").toUInt();
    if (parser.isSet("gnome"))
        portal.values[gnome] = parser.value("gnome") == QLatin1String("true");

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(path, &portal) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "fake_portal: cannot take the portal's name: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        const ssize_t got = read(STDIN_FILENO, line, sizeof line - 1);
        if (got <= 0) {
            input.setEnabled(false); // nothing more to say: the portal stays as it is
            return;
        }
        const QStringList words = QString::fromLatin1(line).simplified().split(QLatin1Char(' '));
        if (words.size() == 2 && words[0] == QLatin1String("contrast"))
            portal.change(appearance, words[1].toUInt());
        else if (words.size() == 2 && words[0] == QLatin1String("gnome"))
            portal.change(gnome, words[1] == QLatin1String("true"));
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
