#pragma once
// The playback status as the engine link keeps it; the window shows it with
// the localized status words.
#include <cstdint>

enum class PlaybackStatus : std::uint8_t {
    None = 0,
    Opening = 1,
    Closing = 2,
    Playing = 3,
    Seeking = 4,
    Paused = 5,
    Stopped = 6,
    Error = 7,
};
