#pragma once
// The program's clock held still while the object lives and moved only by the
// test; the real clock is back when it goes.
#include "common/Clock.h"

#include <cstdint>

struct FakeClock {
    std::uint64_t Now = 5000;
    FakeClock()
    {
        Clock::SetNowFunction([this] { return Now; });
    }
    FakeClock(const FakeClock &) = delete; // the clock reads this object
    ~FakeClock() { Clock::SetNowFunction(nullptr); }
};
