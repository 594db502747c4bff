// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace platform {

// Shows a warning modally: the user presses it away before the window takes input again. An instance,
// not static state, so that each test can hand the window its own recording fake.
class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // Runs THEN once every warning given so far has been pressed away. Where warn() itself waits for
    // that, at once.
    virtual void afterWarnings(std::function<void()> then) { then(); }
};

// A modal box captioned with the application's name, OK only, no icon. On the desktop warn() returns
// once the box is dismissed; in a page, which cannot wait in a nested event loop, the boxes are queued
// and shown one after the other.
class QtMessageService final : public MessageService
{
public:
    QtMessageService();
    ~QtMessageService() override;
    void warn(QWidget* parent, const QString& text) override;
    void afterWarnings(std::function<void()> then) override;

private:
    struct Queue;
    void showNext();
    std::unique_ptr<Queue> m_queue;
};

// The box a warning is shown in, not yet shown.
std::unique_ptr<QMessageBox> warningBox(QWidget* parent, const QString& text);

} // namespace platform
