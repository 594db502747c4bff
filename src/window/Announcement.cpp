// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Announcement.h"

#include "platform/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace window {

namespace {

class NotificationAccessible final : public QAccessibleWidget
{
public:
    explicit NotificationAccessible(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? static_cast<const Announcement*>(widget())->text()
                                          : QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* notificationFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new NotificationAccessible(static_cast<Announcement*>(object));
    return nullptr;
}

} // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    // Installed once the application object exists (one installed earlier goes unasked), and before this
    // widget is first asked for its interface, which is then kept.
    static const bool installed = (QAccessible::installFactory(notificationFactory), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Shown, so that the accessibility bridge reports it as showing, but with no area to draw in.
    setGeometry(0, 0, 0, 0);
}

void Announcement::announce(platform::Announced what, const QString& text)
{
    m_text = text;
    platform::announce(this, what, text);
}

} // namespace window
