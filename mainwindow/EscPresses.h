#pragma once
// Esc on the main window: a second press soon after the first closes it.
#include <cstdint>
#include <optional>

constexpr std::uint64_t EscCloseInterval = 400; // ms

class EscPresses {
public:
    // An Esc press at `now` (Clock::NowMs): true when it follows the one
    // before it by less than EscCloseInterval, and so closes the window.
    bool Press(std::uint64_t now);

private:
    std::optional<std::uint64_t> m_last;
};
