#include "mainwindow/MoveRules.h"
#include "mainwindow/PointerZones.h"
#include "mainwindow/SizingRules.h"
#include "mainwindow/WindowSize.h"

using E = SizingEdge;
const float Wide = 16.f / 9.f;

TEST(WindowChrome, RatioSizesAndSizeModes)
{
    struct Row {
        int size, heightFor, widthFor;
        WindowChrome chrome;
        float ratio;
    };
    const Row rows[] = {{960, 608, 1585, {10, 74}, Wide},   {101, 50, 202, {0, 0}, 2.f},
                        {103, 52, 206, {0, 0}, 2.f},        {101, 202, 50, {0, 0}, .5f},
                        {103, 206, 52, {0, 0}, .5f},        {110, 110, 110, {10, 10}, 0.f},
                        {810, 12810, 60, {10, 10}, 1e-30f}, {810, 60, 12810, {10, 10}, 1e30f}};
    for (const Row &r : rows) {
        EXPECT_EQ(WindowHeightFor(r.size, r.chrome, r.ratio), r.heightFor) << r.size;
        EXPECT_EQ(WindowWidthFor(r.size, r.chrome, r.ratio), r.widthFor) << r.size;
    }
    EXPECT_EQ(ChromeFor({20, 60, 5, 7}, false, 3).horizontal, 12);
    EXPECT_EQ(ChromeFor({20, 60, 5, 7}, false, 3).vertical, 80);
    EXPECT_EQ(ChromeFor({20, 60, 5, 7}, true, 3).vertical, 6);
    struct Row2 {
        int mode, videoWidth;
        bool keepAspect, center, fullscreen;
        QRect current, expected;
    };
    const QRect monitor(0, 0, 2040, 1120), here(100, 100, 500, 400);
    const QRect area(60, 40, 1920, 1040), saved(300, 150, 640, 480);
    const Row2 rows2[] = {{50, 0, false, true, false, here, {540, 256, 960, 608}},
                          {1, 0, false, false, false, here, {100, 100, 275, 223}},
                          {-1, 0, false, false, false, here, here},
                          {-1, 0, true, false, false, here, {100, 100, 500, 350}},
                          {0, 640, false, false, false, here, {100, 100, 640, 428}},
                          {0, 0, false, false, false, here, {100, 100, 500, 350}},
                          // Too tall: the height is the work area's and the width follows.
                          {0, 4000, false, false, false, here, {100, 40, 1727, 1040}},
                          {50, 0, false, false, false, {1500, 900, 500, 400}, {1020, 472, 960, 608}},
                          // Full screen works on the saved bounds.
                          {100, 0, false, false, true, monitor, {253, 40, 1727, 1040}},
                          {-1, 0, false, false, true, monitor, {300, 150, 640, 480}}};
    for (const Row2 &r : rows2) {
        const WindowSizeInputs in{r.mode,       r.keepAspect, r.center,  Wide,         {10, 74}, 275,
                                  r.videoWidth, area,         r.current, r.fullscreen, saved};
        EXPECT_EQ(ApplyWindowSizeRect(in), r.expected) << r.mode;
    }
}

TEST(WindowSize, RelativeStepsSizingSnapAspectAndCentre)
{
    EXPECT_EQ(RelativeSizeMode(0, 10, 500, 1920), 36);
    EXPECT_EQ(RelativeSizeMode(-1, -10, 960, 1920), 40);
    EXPECT_EQ(RelativeSizeMode(95, 10, 500, 1920), 100);
    EXPECT_EQ(RelativeSizeMode(5, -10, 500, 1920), 1);
    EXPECT_EQ(RelativeSizeMode(50, 10, 1900, 1920), 60);

    EXPECT_EQ(VideoRect({400, 300}, 1.f), QRect(50, 0, 300, 300));
    EXPECT_EQ(VideoRect({400, 300}, Wide), QRect(0, 37, 400, 225));
    EXPECT_EQ(VideoRect({640, 360}, Wide), QRect(0, 0, 640, 360));
    EXPECT_EQ(VideoRect({400, 300}, 0.f), QRect(0, 0, 400, 300));

    // The video area stays where it was on screen.
    CompactInputs in{{20, 60, 5, 5}, 3, false, {0, 0, 1920, 1040}};
    const QRect windowed(100, 100, 800, 500), compact(102, 117, 796, 426);
    EXPECT_EQ(CompactBounds(true, windowed, in), compact);
    EXPECT_EQ(CompactBounds(false, compact, in), windowed);
    in.Center = true;
    EXPECT_EQ(CompactBounds(true, windowed, in), QRect(562, 307, 796, 426));
    enum { Snap = 1, Centre = 2, Aspect = 4 };
    struct Row {
        E edge;
        int flags;
        QRect proposed, expected;
    };
    const QRect small(100, 100, 150, 100), low(100, 100, 810, 300);
    const Row rows[] = {
        // Minimum 210 x 170 (chrome 10 x 70, ratio 2); snapping at 9 px, not 10; dragged edges only.
        {E::BottomRight, 0, small, {100, 100, 210, 170}},
        {E::TopLeft, 0, small, {40, 30, 210, 170}},
        {E::Left, 0, small, {40, 100, 210, 100}},
        {E::Right, Snap, {100, 100, 1811, 500}, {100, 100, 1820, 500}},
        {E::Right, Snap, {100, 100, 1810, 500}, {100, 100, 1810, 500}},
        {E::TopLeft, Snap, {9, 9, 800, 500}, {0, 0, 809, 509}},
        {E::Top, Snap, {100, 100, 800, 935}, {100, 100, 800, 935}},
        // Centred: the height snaps within 2d of the work area's, then the window centres.
        {E::BottomRight, Snap | Centre, {500, 300, 800, 1025}, {560, 0, 800, 1040}},
        {E::BottomRight, Snap | Centre, {500, 300, 800, 1020}, {560, 10, 800, 1020}},
        // Corners move their own vertical edge, sides grow both ways.
        {E::BottomRight, Aspect, low, {100, 100, 810, 470}},
        {E::TopLeft, Aspect, low, {100, -70, 810, 470}},
        {E::Right, Aspect, low, {100, 15, 810, 470}},
        {E::Bottom, Aspect, {100, 100, 410, 470}, {-100, 100, 810, 470}}};
    for (const Row &r : rows) {
        const auto on = [&](int flag) { return (r.flags & flag) != 0; };
        const SizingInputs sizing{{10, 70}, 2.f, 210, on(Snap), on(Centre), on(Aspect), {0, 0, 1920, 1040}};
        EXPECT_EQ(SizingRect(r.proposed, r.edge, sizing), r.expected) << int(r.edge) << " " << r.proposed.x();
    }
}

TEST(MoveRules, MovesFollowThePointerAndZones)
{
    struct Row {
        QPoint pointer, expected;
        bool centred;
    };
    const QRect any(0, 0, 800, 500), area(0, 0, 1920, 1040);
    const Row rows[] = {{{109, 200}, {0, 150}, false},     {{110, 200}, {10, 150}, false},
                        {{1225, 200}, {1120, 150}, false}, {{400, 585}, {300, 540}, false},
                        {{665, 312}, {560, 270}, true},    {{500, 400}, {400, 350}, false}};
    for (const Row &r : rows) {
        const MoveResult m = MovingRect(any, r.pointer, {100, 50}, area, true);
        EXPECT_EQ(m.rect, QRect(r.expected, QSize(800, 500))) << r.pointer.x();
        EXPECT_EQ(m.centred, r.centred) << r.pointer.x();
    }
    EXPECT_EQ(MovingRect({565, 262, 800, 500}, {0, 0}, {0, 0}, area, false).rect.topLeft(), QPoint(565, 262));
    EXPECT_TRUE(MovingRect({560, 270, 800, 500}, {0, 0}, {0, 0}, area, false).centred);
    const std::pair<QPoint, E> rows2[] = {
        {{4, 100}, E::Left},     {{4, 4}, E::TopLeft},         {{17, 3}, E::TopLeft},
        {{18, 3}, E::Top},       {{5, 100}, E::None},          {{394, 100}, E::None},
        {{395, 100}, E::Right},  {{396, 4}, E::TopRight},      {{200, 296}, E::Bottom},
        {{382, 296}, E::Bottom}, {{383, 296}, E::BottomRight}, {{4, 290}, E::BottomLeft},
        {{-1, 100}, E::None},    {{400, 100}, E::None}};
    for (const auto &[point, edge] : rows2)
        EXPECT_EQ(BorderHitTest(point, {400, 300}), edge) << point.x() << "," << point.y();

    EXPECT_FALSE(PastDragThreshold({100, 100}, {105, 95}));
    EXPECT_TRUE(PastDragThreshold({100, 100}, {106, 100}) && PastDragThreshold({100, 100}, {100, 94}));

    VideoZoneInputs in{{100, 100, 800, 500}, {20, 60, 5, 5}, {true, true, false, false}, {}, {200, 100}};
    EXPECT_EQ(VideoZone(in), QRect(100, 120, 800, 420));
    in.playlistSide = Qt::RightEdge;
    EXPECT_EQ(VideoZone(in), QRect(100, 120, 595, 420));
    in.playlistSide = Qt::BottomEdge;
    EXPECT_EQ(VideoZone(in), QRect(100, 120, 800, 320));
}
