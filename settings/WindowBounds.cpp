#include "settings/WindowBounds.h"

#include <algorithm>

namespace {

// Rectangles as 64-bit edges (right and bottom exclusive): left + width of
// two ints does not fit an int.
struct Span {
    qint64 left, top, right, bottom;
};

Span spanOf(const QRect &r)
{
    return {r.left(), r.top(), qint64(r.left()) + r.width(), qint64(r.top()) + r.height()};
}

qint64 overlap(const Span &a, const Span &b)
{
    const qint64 w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const qint64 h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

QRect ClampWindowBounds(int left, int top, int width, int height, const QList<QRect> &workAreas)
{
    if (width <= 0)
        width = 300;
    if (height <= 0)
        height = 200;
    QList<QRect> areas;
    for (const QRect &candidate : workAreas)
        if (!candidate.isEmpty())
            areas << candidate;
    if (areas.isEmpty())
        return QRect(0, 0, width, height);

    const Span saved{left, top, qint64(left) + width, qint64(top) + height};
    QRect area = areas.first();
    qint64 best = 0;
    for (const QRect &candidate : areas) {
        const qint64 shared = overlap(saved, spanOf(candidate));
        if (shared > best) {
            best = shared;
            area = candidate;
        }
    }
    const int w = std::min(width, area.width());
    const int h = std::min(height, area.height());
    const Span a = spanOf(area);
    const qint64 x = std::clamp<qint64>(left, a.left, a.right - w);
    const qint64 y = std::clamp<qint64>(top, a.top, a.bottom - h);
    return QRect(int(x), int(y), w, h);
}
