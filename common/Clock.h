#pragma once
// One monotonic millisecond clock and one sleep for the whole program, so that
// tests can drive time (deadlines never use X event time stamps and never wrap).
#include <cstdint>
#include <functional>

namespace Clock {
std::uint64_t NowMs();
void SleepMs(int ms);

// Test seams: replace the clock or the sleep; pass nullptr to restore.
void SetNowFunction(std::function<std::uint64_t()> fn);
void SetSleepFunction(std::function<void(int)> fn);
} // namespace Clock
