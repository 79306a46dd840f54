#include "mainwindow/PointerTracker.h"

#include "mainwindow/PointerZones.h"

PointerAction PointerTracker::Handle(const PointerEvent &event, const PointerWindow &window)
{
    PointerAction action;
    const bool move = event.kind == PointerEventKind::Move;
    const bool leftPress = event.kind == PointerEventKind::LeftPress;

    // Without the auto-hide layout the pointer never counts as outside.
    const bool overVideo = !window.videoZone || window.videoZone->contains(event.global);
    if (!overVideo)
        action.controlsHideTime = event.time + ControlsHideDelay;

    if (move) {
        action.cursorHideTime = event.time + CursorHideDelay;
        if (!m_pressPoint) {
            m_pressPoint = event.global;
        } else if (PastDragThreshold(*m_pressPoint, event.global)) {
            if (event.target == PointerTarget::Video && event.onlyLeftButton) {
                // Dragging the video moves the window, except where it cannot move.
                if (window.canMoveOrSize)
                    action.start = PointerStart::Move;
                action.handled = true;
                return action;
            }
            if (window.videoZone && !event.captured)
                action.showControls = !overVideo;
        }
    }

    // A pointer moving with a button held belongs to whatever took the press.
    if (window.canMoveOrSize && (leftPress || (move && !event.captured))) {
        action.border = BorderHitTest(event.global - window.bounds.topLeft(), window.bounds.size());
        if (action.border != SizingEdge::None) {
            if (leftPress)
                action.start = PointerStart::Resize;
            action.handled = true;
            return action;
        }
    }

    if (leftPress && event.target == PointerTarget::DragArea && window.canMoveOrSize) {
        action.start = PointerStart::Move;
        action.handled = true;
    } else if (leftPress && event.target == PointerTarget::Video) {
        m_pressPoint = event.global;
    }
    return action;
}
