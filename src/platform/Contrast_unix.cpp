// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace platform {

namespace {

// The desktop portal's settings: the appearance's "contrast" (1: higher) where the portal serves it, and
// otherwise GNOME's own key, which an older GNOME relays through the same call.
const QString portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString contrastKey = QStringLiteral("contrast");
const QString gnome = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString highContrastKey = QStringLiteral("high-contrast");
constexpr int answerWithin = 1000; // ms: a portal that is slower than this is taken as no wish

// A setting's value, out of the one or two variants it comes wrapped in.
QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

bool asksForMore(const QString& group, const QVariant& value)
{
    return group == appearance ? value.toUInt() == 1 : value.toBool();
}

class PortalContrast final : public ContrastSetting
{
    Q_OBJECT

public:
    PortalContrast()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        bus.connect(portal, portalPath, settings, QStringLiteral("SettingChanged"), this,
                    SLOT(onSettingChanged(QString, QString, QDBusVariant)));
        read(appearance, contrastKey);
    }

    Contrast contrast() const override { return {m_more ? ContrastWish::More : ContrastWish::None, {}}; }

private slots:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
    {
        if ((group == appearance && key == contrastKey) || (group == gnome && key == highContrastKey))
            settle(asksForMore(group, unwrapped(value.variant())));
    }

private:
    void read(const QString& group, const QString& key)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(portal, portalPath, settings, QStringLiteral("Read"));
        call << group << key;
        auto* answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, answerWithin), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [this, group, answer] {
            answer->deleteLater();
            const QDBusMessage reply = answer->reply();
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                settle(asksForMore(group, unwrapped(reply.arguments().constFirst())));
            else if (group == appearance && reply.errorName() == QLatin1String("org.freedesktop.portal.Error.NotFound"))
                read(gnome, highContrastKey);
            else
                settle(false); // no portal, no answer in time, or any other error: no wish
        });
    }

    void settle(bool more)
    {
        m_more = more;
        emit changed();
    }

    bool m_more = false;
};

} // namespace

std::unique_ptr<ContrastSetting> systemContrast()
{
    return std::make_unique<PortalContrast>();
}

} // namespace platform

#include "Contrast_unix.moc"
