#pragma once
// A repeating timer that reads time from the program clock (common/Clock.h), so
// a held button's repeat can be driven by tests. A Qt timer wakes it up; Poll()
// fires the tick once the due time has been reached.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

class ClickRepeatTimer : public QObject {
public:
    explicit ClickRepeatTimer(QObject *parent = nullptr);

    std::function<void()> OnTimer;

    // Starts (or restarts) the timer: the first tick comes `intervalMs` from now.
    void Start(int intervalMs);
    // A new interval restarts the count from now; the same interval changes nothing.
    void SetInterval(int intervalMs);
    void Stop();
    bool Active() const { return m_active; }
    int Interval() const { return m_interval; }

    // Fires one tick when the clock has reached the due time; the next tick is
    // then due one interval later (late ticks are not made up).
    void Poll();

private:
    void Arm();

    QTimer m_wake;
    std::uint64_t m_due = 0;
    int m_interval = 0;
    bool m_active = false;
};
