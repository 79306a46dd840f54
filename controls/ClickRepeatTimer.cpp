#include "controls/ClickRepeatTimer.h"

#include "common/Clock.h"
#include "common/Report.h"

#include <algorithm>

ClickRepeatTimer::ClickRepeatTimer(QObject *parent) : QObject(parent)
{
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] { RunGuarded([this] { Poll(); }); });
}

void ClickRepeatTimer::Start(int intervalMs)
{
    m_interval = std::max(1, intervalMs);
    m_active = true;
    m_due = Clock::NowMs() + std::uint64_t(m_interval);
    Arm();
}

void ClickRepeatTimer::SetInterval(int intervalMs)
{
    intervalMs = std::max(1, intervalMs);
    if (intervalMs == m_interval)
        return;
    m_interval = intervalMs;
    if (m_active) {
        m_due = Clock::NowMs() + std::uint64_t(m_interval);
        Arm();
    }
}

void ClickRepeatTimer::Stop()
{
    m_active = false;
    m_wake.stop();
}

void ClickRepeatTimer::Poll()
{
    if (!m_active)
        return;
    const std::uint64_t now = Clock::NowMs();
    if (now >= m_due) {
        m_due = now + std::uint64_t(m_interval);
        if (OnTimer)
            OnTimer(); // may change the interval or stop the timer
    }
    if (m_active)
        Arm();
}

void ClickRepeatTimer::Arm()
{
    const std::uint64_t now = Clock::NowMs();
    const std::uint64_t wait = m_due > now ? m_due - now : 0;
    m_wake.start(int(std::min<std::uint64_t>(wait, 1u << 30)));
}
