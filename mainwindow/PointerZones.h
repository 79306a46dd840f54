#pragma once
// Where the pointer is on the frameless main window: its resize border, the
// video zone used by auto-hide, and when a press on the video becomes a drag.
#include "controls/SizingEdge.h"
#include "mainwindow/WindowChrome.h"

#include <Qt>
#include <optional>

// Width of the resize band inside the window's edges.
constexpr int ResizeBorder = 5;
// How far the corner zones reach along each edge, from the window's edge.
constexpr int CornerReach = 17;
// Pointer travel, in x or y, that turns a press on the video into a window drag.
constexpr int DragThreshold = 6;

// The edge a point (relative to the window's top-left) would drag in a window
// of `window` size; None inside the band or outside the window.
SizingEdge BorderHitTest(const QPoint &point, const QSize &window);

// Whether the pointer has left the press point far enough to start a drag.
bool PastDragThreshold(const QPoint &press, const QPoint &point);

// Which border panels hold at least one control.
struct PanelsWithControls {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;
};

struct VideoZoneInputs {
    QRect window; // screen bounds
    PanelSizes panels;
    PanelsWithControls withControls;
    std::optional<Qt::Edge> playlistSide; // unset while the playlist is hidden
    QSize playlistSize;
};

// The part of the window (screen coordinates) where a resting pointer lets the
// auto-hidden controls go: the window less the visible playlist with the panel
// on its side, and less every other panel that holds controls.
QRect VideoZone(const VideoZoneInputs &in);
