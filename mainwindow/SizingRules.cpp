#include "mainwindow/SizingRules.h"

#include <cstdlib>

namespace {

bool Near(int a, int b, int distance)
{
    return std::abs(a - b) < distance;
}

} // namespace

QRect SizingRect(const QRect &proposed, SizingEdge edge, const SizingInputs &in)
{
    // Right and bottom are exclusive here, so edges and sizes subtract cleanly.
    int left = proposed.x(), top = proposed.y();
    int right = left + proposed.width(), bottom = top + proposed.height();
    const QRect &area = in.workArea;
    const int areaRight = area.x() + area.width(), areaBottom = area.y() + area.height();

    // The minimum size moves the dragged edge only; the opposite one stays put.
    const int minHeight = WindowHeightFor(in.MinWidth, in.chrome, in.WinRatio);
    if (bottom - top < minHeight) {
        if (MovesTop(edge))
            top = bottom - minHeight;
        else if (MovesBottom(edge))
            bottom = top + minHeight;
    }
    if (right - left < in.MinWidth) {
        if (MovesLeft(edge))
            left = right - in.MinWidth;
        else if (MovesRight(edge))
            right = left + in.MinWidth;
    }

    if (in.Snap && !in.Center) {
        if (MovesTop(edge) && Near(top, area.y(), SnapDistance))
            top = area.y();
        if (MovesBottom(edge) && Near(bottom, areaBottom, SnapDistance))
            bottom = areaBottom;
        if (MovesLeft(edge) && Near(left, area.x(), SnapDistance))
            left = area.x();
        if (MovesRight(edge) && Near(right, areaRight, SnapDistance))
            right = areaRight;
    } else if (in.Snap) {
        // A centred window can only snap to the whole work-area height or width.
        if (Near(bottom - top, area.height(), 2 * SnapDistance)) {
            top = area.y();
            bottom = areaBottom;
        }
        if (Near(right - left, area.width(), 2 * SnapDistance)) {
            left = area.x();
            right = areaRight;
        }
    }

    if (in.KeepAspect) {
        const auto heightChange = [&] {
            return WindowHeightFor(right - left, in.chrome, in.WinRatio) - (bottom - top);
        };
        switch (edge) {
        case SizingEdge::Left:
        case SizingEdge::Right: {
            const int dh = heightChange();
            top -= dh / 2;
            bottom += dh / 2;
            break;
        }
        case SizingEdge::Top:
        case SizingEdge::Bottom: {
            const int dw = WindowWidthFor(bottom - top, in.chrome, in.WinRatio) - (right - left);
            left -= dw / 2;
            right += dw / 2;
            break;
        }
        case SizingEdge::TopLeft:
        case SizingEdge::TopRight:
            top -= heightChange();
            break;
        case SizingEdge::BottomLeft:
        case SizingEdge::BottomRight:
            bottom += heightChange();
            break;
        case SizingEdge::None:
            break;
        }
    }

    QRect result(left, top, right - left, bottom - top);
    if (in.Center)
        result.moveTopLeft(CentredTopLeft(result.size(), area));
    return result;
}
