// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ScreenReader.h"

#include <QWidget>

namespace window {

// A line meant for screen readers alone. It draws nothing, takes no click and no focus, yet what
// announce() gives it is spoken once, where the focus is, as a notification. Figures written into fields
// that do not hold the focus are not spoken otherwise.
class Announcement final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget* parent);

    void announce(platform::Announced what, const QString& text);
    QString text() const { return m_text; }

private:
    QString m_text;
};

} // namespace window
