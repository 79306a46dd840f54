#include "mainwindow/PointerTracker.h"

using K = PointerEventKind;
using T = PointerTarget;
using S = PointerStart;
using E = SizingEdge;
const QRect w(100, 100, 400, 300);

// Rows: maybe a left press on the video, then one event; what it starts, the border under it, handled.
TEST(PointerTracker, DragThresholdAutoHideZoneAndDeadlines)
{
    struct Row {
        bool pressFirst;
        K kind;
        QPoint at;
        T target;
        bool onlyLeft, captured, canMove;
        S start;
        E border;
        bool handled;
    };
    const QPoint v(200, 150);
    const Row rows[] = {
        {true, K::Move, v + QPoint(5, -5), T::Video, true, true, true, S::Nothing, E::None, false},
        {true, K::Move, v + QPoint(0, 6), T::Video, true, true, true, S::Move, E::None, true},
        {true, K::Move, v + QPoint(9, 0), T::Video, false, true, true, S::Nothing, E::None,
         false}, // modifier
        {true, K::Move, v + QPoint(9, 0), T::Video, true, true, false, S::Nothing, E::None,
         true}, // full screen
        {false, K::LeftPress, {4, 100}, T::Video, false, false, true, S::Resize, E::Left, true},
        {false, K::LeftPress, {4, 100}, T::Other, false, false, false, S::Nothing, E::None, false},
        {false, K::Move, {16, 3}, T::Other, false, false, true, S::Nothing, E::TopLeft, true},
        {false, K::Move, {16, 3}, T::Other, false, true, true, S::Nothing, E::None, false}, // a button held
        {false, K::LeftPress, {200, 10}, T::DragArea, false, false, true, S::Move, E::None, true},
        {false, K::LeftPress, {200, 2}, T::DragArea, false, false, true, S::Resize, E::Top, true},
        {false, K::OtherPress, {200, 10}, T::DragArea, false, false, true, S::Nothing, E::None, false}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row &r = rows[i];
        PointerTracker tracker;
        if (r.pressFirst)
            tracker.Handle({K::LeftPress, w.topLeft() + v, 0, T::Video, true, false}, {w, r.canMove, {}});
        const PointerAction a = tracker.Handle(
            {r.kind, w.topLeft() + r.at, 0, r.target, r.onlyLeft, r.captured}, {w, r.canMove, {}});
        EXPECT_EQ(std::tuple(a.start, a.border, a.handled), std::tuple(r.start, r.border, r.handled))
            << "row " << i;
    }
    PointerTracker tracker;
    const PointerWindow window{w, true, QRect(100, 140, 400, 200)}; // controls above and below the video
    // (controls shown or hidden, pointer shown until, controls kept until)
    using Out = std::tuple<std::optional<bool>, std::optional<std::uint64_t>, std::optional<std::uint64_t>>;
    const auto at = [&](K kind, QPoint p, std::uint64_t time) {
        const PointerAction a = tracker.Handle({kind, w.topLeft() + p, time, T::Other, false, false}, window);
        return Out(a.showControls, a.cursorHideTime, a.controlsHideTime);
    };
    EXPECT_EQ(at(K::Move, {200, 20}, 1000), Out({}, 1500, 4000)); // the first move only marks the press point
    EXPECT_EQ(at(K::Move, {200, 150}, 1200), Out(false, 1700, {}));  // over the video: hide them
    EXPECT_EQ(at(K::Move, {200, 280}, 1300), Out(true, 1800, 4300)); // over the bottom controls
    EXPECT_EQ(at(K::OtherPress, {200, 290}, 1400), Out({}, {}, 4400));
}
