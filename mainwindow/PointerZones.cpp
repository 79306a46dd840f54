#include "mainwindow/PointerZones.h"

#include <cstdlib>

SizingEdge BorderHitTest(const QPoint &point, const QSize &window)
{
    const int x = point.x(), y = point.y();
    const int w = window.width(), h = window.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return SizingEdge::None;
    if (x >= ResizeBorder && x < w - ResizeBorder && y >= ResizeBorder && y < h - ResizeBorder)
        return SizingEdge::None;
    // The codes add up: left 1 or right 2, plus top 3 or bottom 6.
    int code = 0;
    if (x <= CornerReach)
        code = 1;
    else if (x >= w - CornerReach)
        code = 2;
    if (y <= CornerReach)
        code += 3;
    else if (y >= h - CornerReach)
        code += 6;
    return SizingEdge(code);
}

bool PastDragThreshold(const QPoint &press, const QPoint &point)
{
    return std::abs(point.x() - press.x()) >= DragThreshold ||
           std::abs(point.y() - press.y()) >= DragThreshold;
}

QRect VideoZone(const VideoZoneInputs &in)
{
    int left = in.window.x(), top = in.window.y();
    int right = left + in.window.width(), bottom = top + in.window.height();
    const PanelSizes &p = in.panels;
    const auto playlistAt = [&](Qt::Edge side) { return in.playlistSide == side; };

    if (playlistAt(Qt::LeftEdge))
        left += in.playlistSize.width() + p.left;
    else if (in.withControls.left)
        left += p.left;
    if (playlistAt(Qt::RightEdge))
        right -= in.playlistSize.width() + p.right;
    else if (in.withControls.right)
        right -= p.right;
    if (playlistAt(Qt::TopEdge))
        top += in.playlistSize.height() + p.top;
    else if (in.withControls.top)
        top += p.top;
    if (playlistAt(Qt::BottomEdge))
        bottom -= in.playlistSize.height() + p.bottom;
    else if (in.withControls.bottom)
        bottom -= p.bottom;
    return QRect(left, top, right - left, bottom - top);
}
