#pragma once
// The shortcut codes the mouse buttons run on the video. A click runs at its
// release; a double click runs the single click at the first release, the
// double click at the second press and the single click again at the second
// release. Buttons held while another one is clicked are modifiers, so a
// right click with the left button held gives its own code.
#include <QtCore/qnamespace.h>
#include <cstdint>
#include <optional>

class VideoClicks {
public:
    // `modifiers` is the modifier byte of the keys and buttons held as the
    // event finds them. Each returns the code to run, if any.
    std::optional<std::uint32_t> Press(Qt::MouseButton button, std::uint32_t modifiers, bool doubleClick);
    std::optional<std::uint32_t> Release(Qt::MouseButton button, std::uint32_t modifiers);
    // A wheel turn or a window drag used the press: its release runs nothing.
    void Consume() { m_consumed = true; }

private:
    bool m_consumed = true;
};
