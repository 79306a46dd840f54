#pragma once
// The program's clock held still while the object lives and moved only by the
// test, or by the program's sleeps, which return at once; the real clock and
// sleep are back when it goes.
#include "common/Clock.h"

#include <cstdint>

struct FakeClock {
    std::uint64_t Now = 5000;
    FakeClock()
    {
        Clock::SetNowFunction([this] { return Now; });
        Clock::SetSleepFunction([this](int ms) { Now += std::uint64_t(ms > 0 ? ms : 0); });
    }
    FakeClock(const FakeClock &) = delete; // the clock reads this object
    ~FakeClock()
    {
        Clock::SetNowFunction(nullptr);
        Clock::SetSleepFunction(nullptr);
    }
};
