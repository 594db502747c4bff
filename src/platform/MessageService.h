// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Shows a warning and returns only once the user has dismissed it. An instance, not static state,
// so that each test can hand the window its own recording fake.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual void warn(QWidget* parent, const QString& text) = 0;
};

// A modal box captioned with the application's name, OK only, no icon.
class QtMessageService final : public MessageService
{
public:
    void warn(QWidget* parent, const QString& text) override;
};

} // namespace platform
