#include "app/DeferredAction.h"

#include <QApplication>
#include <utility>

DeferredAction::DeferredAction(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DeferredAction::runPending);
}

void DeferredAction::Post(std::function<void()> action)
{
    m_pending = std::move(action);
    if (!m_running)
        m_timer.start(0);
}

void DeferredAction::runPending()
{
    if (!m_pending || m_running)
        return;
    if (QApplication::activeModalWidget()) {
        m_timer.start(RetryMs);
        return;
    }
    m_running = true;
    std::exchange(m_pending, nullptr)();
    m_running = false;
    if (m_pending)
        m_timer.start(0);
}
