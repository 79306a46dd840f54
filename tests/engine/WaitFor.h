#pragma once
// Handles events, and runs `tick` (the window's timer), until `done` holds or `ms` have passed.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

inline bool WaitFor(const std::function<bool()> &done, int ms = 5000, const std::function<void()> &tick = {})
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (tick)
            tick();
        QThread::msleep(2);
    }
    return true;
}
