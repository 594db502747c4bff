// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include "platform/ScreenReader.h"

#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <vector>

namespace platform {

// A page has one event loop, which must not be entered again: each box is opened, and the next one when
// it is pressed away.
struct QtMessageService::Queue
{
    QQueue<std::pair<QPointer<QWidget>, QString>> waiting;
    std::vector<std::function<void()>> then;
    bool showing = false;
};

QtMessageService::QtMessageService() : m_queue(std::make_unique<Queue>())
{
}
QtMessageService::~QtMessageService() = default;

void QtMessageService::warn(QWidget* parent, const QString& text)
{
    m_queue->waiting.enqueue({parent, text});
    if (!m_queue->showing)
        showNext();
}

void QtMessageService::afterWarnings(std::function<void()> then)
{
    if (m_queue->showing)
        m_queue->then.push_back(std::move(then));
    else
        then();
}

void QtMessageService::showNext()
{
    if (m_queue->waiting.isEmpty()) {
        m_queue->showing = false;
        const std::vector<std::function<void()>> then = std::exchange(m_queue->then, {});
        for (const auto& step : then)
            step();
        return;
    }
    m_queue->showing = true;
    const auto [parent, text] = m_queue->waiting.dequeue();
    QMessageBox* box = warningBox(parent, text).release();
    QObject::connect(box, &QDialog::finished, box, [this, box] {
        box->deleteLater();
        showNext();
    });
    box->open();
    announceWarning(text);
}

} // namespace platform
