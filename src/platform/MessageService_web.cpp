// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include "platform/ScreenReader.h"

#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <vector>

namespace platform {

// A page has one event loop, which must not be entered again: each box is opened, and the next one when
// it is pressed away. The box on screen stays at the head of the queue until then.
struct QtMessageService::Queue
{
    QQueue<std::pair<QPointer<QWidget>, QString>> waiting;
    std::vector<std::function<void()>> then;
};

QtMessageService::QtMessageService() : m_queue(std::make_unique<Queue>())
{
}
QtMessageService::~QtMessageService() = default;

void QtMessageService::warn(QWidget* parent, const QString& text)
{
    m_queue->waiting.enqueue({parent, text});
    if (m_queue->waiting.size() == 1)
        showNext();
}

void QtMessageService::afterWarnings(std::function<void()> then)
{
    if (m_queue->waiting.isEmpty())
        then();
    else
        m_queue->then.push_back(std::move(then));
}

void QtMessageService::showNext()
{
    const auto& [parent, text] = m_queue->waiting.head();
    QMessageBox* box = warningBox(parent, text).release();
    QObject::connect(box, &QDialog::finished, box, [this, box] {
        box->deleteLater();
        m_queue->waiting.dequeue();
        if (!m_queue->waiting.isEmpty()) {
            showNext();
            return;
        }
        for (const auto& step : std::exchange(m_queue->then, {}))
            step();
    });
    box->open();
    announceWarning(text);
}

} // namespace platform
