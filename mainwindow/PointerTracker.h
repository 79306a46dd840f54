#pragma once
// What one pointer event on the frameless main window means: a resize from the
// border, a window drag, the controls shown or hidden for the video zone, and
// the deadlines by which the window's 100 ms timer hides the pointer and the
// controls. Plain values only; the window's event filter feeds it.
#include "controls/SizingEdge.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

// The pointer hides this long after it last moved over the video.
constexpr std::uint64_t CursorHideDelay = 500;
// Auto-hidden controls go this long after the pointer last left the video zone.
constexpr std::uint64_t ControlsHideDelay = 3000;

// The part of the window an event is addressed to.
enum class PointerTarget { Video, DragArea, Other };

enum class PointerEventKind { Move, LeftPress, OtherPress };

struct PointerEvent {
    PointerEventKind kind = PointerEventKind::Move;
    QPoint global;          // screen position
    std::uint64_t time = 0; // Clock::NowMs when handled
    PointerTarget target = PointerTarget::Other;
    bool onlyLeftButton = false; // the left button held, no other button, no modifier key
    bool captured = false;       // a button held or a mouse grab in force
};

// The window as the event finds it.
struct PointerWindow {
    QRect bounds;                   // screen coordinates
    bool canMoveOrSize = true;      // false in full screen and while maximised
    std::optional<QRect> videoZone; // set while the auto-hide layout is in force
};

enum class PointerStart { Nothing, Move, Resize };

struct PointerAction {
    PointerStart start = PointerStart::Nothing;
    SizingEdge border = SizingEdge::None; // the border under the pointer: its cursor, or the edge to size
    std::optional<bool> showControls;     // auto-hide: show (outside the video zone) or hide them
    bool handled = false;                 // the event goes no further
    // A move shows the pointer over the video until this time.
    std::optional<std::uint64_t> cursorHideTime;
    // Outside the video zone: the auto-hidden controls stay until this time.
    std::optional<std::uint64_t> controlsHideTime;
};

class PointerTracker {
public:
    PointerAction Handle(const PointerEvent &event, const PointerWindow &window);

    std::optional<QPoint> PressPoint() const { return m_pressPoint; }
    // The pointer has hidden: the next move starts a new drag detection.
    void ClearPressPoint() { m_pressPoint.reset(); }

private:
    std::optional<QPoint> m_pressPoint;
};
