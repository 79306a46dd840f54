// Layout and drawing of TMultiPartBitmap; the texts are read in MultiPartText.cpp.
#include "graphics/MultiPartBitmap.h"

#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <climits>

namespace {
// Wide enough for the product of two 33-bit spans; __extension__ keeps -Wpedantic quiet about the GNU type.
__extension__ typedef __int128 WideInt;

int clampInt(long long v)
{
    return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

bool stretches(const TGuides &g, int segment)
{
    return segment >= 0 && std::size_t(segment) < g.Stretch.size() && g.Stretch[std::size_t(segment)];
}
} // namespace

TMultiPartBitmap::TMultiPartBitmap()
{
    LoadGuides(Axis::Rows, QString());
    LoadGuides(Axis::Cols, QString());
}

void TMultiPartBitmap::BuildDefaultParts()
{
    Parts.clear();
    const int cols = int(Cols.Coords.size()) - 1;
    const int rows = int(Rows.Coords.size()) - 1;
    for (int i = 0; i < cols; ++i)
        for (int j = 0; j < rows; ++j) {
            TBitmapPart p;
            p.Left = i;
            p.Right = i + 1;
            p.Top = j;
            p.Bottom = j + 1;
            if (Empty()) {
                // A visible placeholder for a skin that gives neither image nor parts.
                p.Flags = PartFlag::Color;
                p.ColorOrSubSize = QRandomGenerator::global()->bounded(0xFFFFFFu);
            } else {
                p.Flags.setFlag(PartFlag::HS, stretches(Cols, i));
                p.Flags.setFlag(PartFlag::VS, stretches(Rows, j));
            }
            Parts.push_back(p);
        }
}

// Layout choices where the guides alone do not decide:
// - no stretchable segment: every guide is placed from the near edge at its
//   own length and the last segment takes what is left, as a single segment
//   does (the image keeps its natural look, anchored at the top-left);
// - only the origin: its one position is the near edge a;
// - a span shorter than FixedSize: stretchable segments come out with negative
//   lengths; DrawParts then draws nothing for stretched and colour parts whose
//   cell is empty or inverted.
// The arithmetic is wide and every position is clamped to 32 bits, so abstract
// coordinates of a bitmap without image cannot overflow.
bool TMultiPartBitmap::LayoutAxis(const TGuides &g, int a, int b, TCoords &t)
{
    const int n = int(g.Coords.size()) - 1;
    if (n < 0) {
        const bool changed = !t.empty();
        t.clear();
        return changed;
    }
    if (n == 0) {
        if (t.size() == 1 && t[0] == a)
            return false;
        t.assign(1, a);
        return true;
    }
    if (int(t.size()) == n + 1) {
        if (t[0] == a && t[std::size_t(n)] == b)
            return false;
        if ((long long)t[std::size_t(n)] - t[0] == (long long)b - a) {
            const long long shift = (long long)a - t[0];
            for (int &v : t)
                v = clampInt(v + shift);
            return false;
        }
    }
    t.assign(std::size_t(n) + 1, 0);
    t[0] = a;
    t[std::size_t(n)] = b;
    if (n == 1)
        return true;

    const TCoords &c = g.Coords;
    const int last = g.LastStretch >= 1 && g.LastStretch <= n ? g.LastStretch : n;
    const long long stretchable = (long long)c[std::size_t(n)] - g.FixedSize;
    const long long extra = (long long)b - a - g.FixedSize;
    for (int i = 1; i < last; ++i) {
        const std::size_t k = std::size_t(i);
        long long d = (long long)c[k] - c[k - 1];
        if (stretches(g, i - 1) && stretchable > 0)
            d = (long long)((WideInt)d * extra / stretchable); // truncates toward zero
        t[k] = clampInt(t[k - 1] + d);
    }
    for (int i = n - 1; i >= last; --i) {
        const std::size_t k = std::size_t(i);
        t[k] = clampInt((long long)t[k + 1] - ((long long)c[k + 1] - c[k]));
    }
    return true;
}

void TMultiPartBitmap::DrawParts(QPainter &canvas, const QRect &rect)
{
    if (Parts.empty())
        BuildDefaultParts();
    if (LayoutAxis(Cols, rect.x(), clampInt((long long)rect.x() + rect.width()), ColPos))
        ++LayoutCount;
    if (LayoutAxis(Rows, rect.y(), clampInt((long long)rect.y() + rect.height()), RowPos))
        ++LayoutCount;

    const bool smooth = canvas.testRenderHint(QPainter::SmoothPixmapTransform);
    if (smooth)
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const std::size_t colCount = std::min(ColPos.size(), Cols.Coords.size());
    const std::size_t rowCount = std::min(RowPos.size(), Rows.Coords.size());
    for (const TBitmapPart &p : Parts) {
        // Parts only name guides that exist; guides changed behind their back
        // are skipped rather than read past.
        if (p.Left < 0 || p.Top < 0 || std::size_t(p.Right) >= colCount ||
            std::size_t(p.Bottom) >= rowCount || p.Right < 0 || p.Bottom < 0)
            continue;
        const int x0 = ColPos[std::size_t(p.Left)], x1 = ColPos[std::size_t(p.Right)];
        const int y0 = RowPos[std::size_t(p.Top)], y1 = RowPos[std::size_t(p.Bottom)];
        const bool cellEmpty = x1 <= x0 || y1 <= y0;
        if (p.Flags & PartFlag::Color) {
            if (!cellEmpty)
                canvas.fillRect(QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)),
                                ColorToQColor(ColorRef(p.ColorOrSubSize)));
            continue;
        }
        // A part without colour has nothing to show on a bitmap without image.
        if (Empty())
            continue;
        const int sx0 = Cols.Coords[std::size_t(p.Left)], sx1 = Cols.Coords[std::size_t(p.Right)];
        const int sy0 = Rows.Coords[std::size_t(p.Top)], sy1 = Rows.Coords[std::size_t(p.Bottom)];
        if (sx1 <= sx0 || sy1 <= sy0)
            continue;
        const QRect source(QPoint(sx0, sy0), QPoint(sx1 - 1, sy1 - 1));
        if (p.Flags & (PartFlag::HS | PartFlag::VS)) {
            if (cellEmpty)
                continue;
            const QRect target(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
            if (target.size() == source.size())
                canvas.drawImage(target.topLeft(), Image(), source);
            else
                canvas.drawImage(target, Image(), source);
        } else {
            // Unscaled at the cell's top-left; a smaller cell lets it run on
            // into the next cells, which later parts paint over.
            canvas.drawImage(QPoint(x0, y0), Image(), source);
        }
    }
    if (smooth)
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
}
