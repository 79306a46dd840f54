#pragma once
// What the pointer handling asks of the main window: the rules' inputs as
// they stand, which widgets are the video and the drag areas, and what to do
// with a finished move or resize step. Every call is read when it is needed,
// so the window may change skin, mode or ratio at any time.
#include "mainwindow/PointerZones.h"
#include "mainwindow/SizingRules.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

struct WindowPointerHost {
    // Chrome, WinRatio, MinWidth, Snap, Center and KeepAspect; the work area
    // is filled in from the window's screen unless `workArea` is given.
    std::function<SizingInputs()> rules;
    std::function<QRect()> workArea;
    // False in full screen and while maximised; unset, the window's own state decides.
    std::function<bool()> canMoveOrSize;
    // A move ended a step centred or not (SetCenter without applying).
    std::function<void(bool centred)> setCenter;
    // The user sized the window by hand: the size mode becomes custom.
    std::function<void()> sizedByHand;
    // Places the window; unset, setGeometry.
    std::function<void(const QRect &)> apply;
    // The skin's panels: a left press on one starts a window drag.
    std::function<bool(const QWidget *)> isDragArea;
    // Set while the auto-hide layout is in force: what the video zone is cut from.
    std::function<std::optional<VideoZoneInputs>()> autoHideZone;
    // Auto-hide: show the controls (pointer outside the video zone) or hide them.
    std::function<void(bool show)> showControls;
    // A pointer event moved the deadlines on: the pointer shows until `cursor`
    // (a move), the auto-hidden controls stay until `controls` (outside the
    // video zone). Either may be unset.
    std::function<void(std::optional<std::uint64_t> cursor, std::optional<std::uint64_t> controls)>
        moveDeadlines;
    // The video area and the engine's panel: dragging them moves the window.
    QList<QPointer<QWidget>> video;
};
