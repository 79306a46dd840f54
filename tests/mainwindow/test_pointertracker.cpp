#include "mainwindow/PointerTracker.h"

#include <gtest/gtest.h>

namespace {

using K = PointerEventKind;
using T = PointerTarget;
const QRect Window(100, 100, 400, 300);

struct Step {
    K kind;
    QPoint at; // relative to the window
    T target;
    bool onlyLeft = false;
    bool captured = false;
};

} // namespace

// Each row is a gesture; the last event's action is what the window does.
TEST(PointerTracker, DragThresholdBorderAndPanels)
{
    struct Row {
        const char *name;
        std::vector<Step> steps;
        bool canMoveOrSize;
        PointerStart start;
        SizingEdge border;
        bool handled;
    };
    const QPoint v(200, 150);
    const Row rows[] = {
        {"video 5 px",
         {{K::LeftPress, v, T::Video}, {K::Move, v + QPoint(5, -5), T::Video, true, true}},
         true,
         PointerStart::Nothing,
         SizingEdge::None,
         false},
        {"video 6 px",
         {{K::LeftPress, v, T::Video}, {K::Move, v + QPoint(0, 6), T::Video, true, true}},
         true,
         PointerStart::Move,
         SizingEdge::None,
         true},
        {"video with a modifier",
         {{K::LeftPress, v, T::Video}, {K::Move, v + QPoint(9, 0), T::Video, false, true}},
         true,
         PointerStart::Nothing,
         SizingEdge::None,
         false},
        {"video in full screen",
         {{K::LeftPress, v, T::Video}, {K::Move, v + QPoint(9, 0), T::Video, true, true}},
         false,
         PointerStart::Nothing,
         SizingEdge::None,
         true},
        {"press on the left border",
         {{K::LeftPress, {4, 100}, T::Video}},
         true,
         PointerStart::Resize,
         SizingEdge::Left,
         true},
        {"border in full screen",
         {{K::LeftPress, {4, 100}, T::Other}},
         false,
         PointerStart::Nothing,
         SizingEdge::None,
         false},
        {"hover on a corner",
         {{K::Move, {16, 3}, T::Other}},
         true,
         PointerStart::Nothing,
         SizingEdge::TopLeft,
         true},
        {"border under a held button",
         {{K::Move, {16, 3}, T::Other, false, true}},
         true,
         PointerStart::Nothing,
         SizingEdge::None,
         false},
        {"panel press",
         {{K::LeftPress, {200, 10}, T::DragArea}},
         true,
         PointerStart::Move,
         SizingEdge::None,
         true},
        {"panel press on the border",
         {{K::LeftPress, {200, 2}, T::DragArea}},
         true,
         PointerStart::Resize,
         SizingEdge::Top,
         true},
        {"panel right press",
         {{K::OtherPress, {200, 10}, T::DragArea}},
         true,
         PointerStart::Nothing,
         SizingEdge::None,
         false},
    };
    for (const Row &r : rows) {
        PointerTracker tracker;
        PointerAction action;
        for (const Step &s : r.steps)
            action = tracker.Handle({s.kind, Window.topLeft() + s.at, 0, s.target, s.onlyLeft, s.captured},
                                    {Window, r.canMoveOrSize, {}});
        EXPECT_EQ(action.start, r.start) << r.name;
        EXPECT_EQ(action.border, r.border) << r.name;
        EXPECT_EQ(action.handled, r.handled) << r.name;
    }
}

TEST(PointerTracker, AutoHideZoneAndIdleTimes)
{
    PointerTracker tracker;
    const PointerWindow w{Window, true, QRect(100, 140, 400, 200)}; // controls above and below the video
    const auto move = [&](QPoint at, std::uint64_t time) {
        return tracker.Handle({K::Move, Window.topLeft() + at, time, T::Other, false, false}, w);
    };
    EXPECT_FALSE(move({200, 20}, 1000).showControls); // the first move only marks the press point
    EXPECT_EQ(tracker.LastOutsideVideoTime(), 1000u);
    EXPECT_FALSE(tracker.PointerOverVideo());
    EXPECT_EQ(move({200, 150}, 1200).showControls, std::optional(false)); // over the video: hide
    EXPECT_EQ(tracker.LastOutsideVideoTime(), 1000u);
    EXPECT_EQ(move({200, 280}, 1300).showControls, std::optional(true)); // over the bottom controls
    EXPECT_EQ(tracker.LastMoveTime(), 1300u);
    EXPECT_FALSE(tracker.CursorIdle(1800));
    EXPECT_TRUE(tracker.CursorIdle(1801));
}
