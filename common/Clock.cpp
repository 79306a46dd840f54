#include "common/Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace {
std::function<std::uint64_t()> &nowFn()
{
    static std::function<std::uint64_t()> fn;
    return fn;
}
std::function<void(int)> &sleepFn()
{
    static std::function<void(int)> fn;
    return fn;
}
} // namespace

namespace Clock {
std::uint64_t NowMs()
{
    if (nowFn())
        return nowFn()();
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Offset so that 0 never reads as "now" (0 is used as "no deadline").
    return std::uint64_t(timer.elapsed()) + 1000;
}

void SleepMs(int ms)
{
    if (sleepFn()) {
        sleepFn()(ms);
        return;
    }
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

void SetNowFunction(std::function<std::uint64_t()> fn)
{
    nowFn() = std::move(fn);
}
void SetSleepFunction(std::function<void(int)> fn)
{
    sleepFn() = std::move(fn);
}
} // namespace Clock
