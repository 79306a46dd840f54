// bench-libs: zorvi_windowrules
// The window rules one step of an interactive resize or move runs: the sizing
// rules on the proposed rectangle and the video's placement in the new area.
#include "mainwindow/MoveRules.h"
#include "mainwindow/PointerZones.h"
#include "mainwindow/SizingRules.h"

#include <benchmark/benchmark.h>

namespace {

const QRect WorkArea(0, 0, 1920, 1040);
const WindowChrome Chrome{10, 74}; // left + right panels, top + bottom panels

// The bottom-right corner of an 800x500 window follows the pointer back and
// forth over 64 px, with snapping and keep-aspect on.
void BM_ResizeStep(benchmark::State &state)
{
    const SizingInputs in{Chrome, 16.f / 9.f, 275, true, false, true, WorkArea};
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ & 63) - 32;
        const QRect proposed(560, 270, 800 + d, 500 + d / 2);
        const QRect rect = SizingRect(proposed, SizingEdge::BottomRight, in);
        const QSize videoArea(rect.width() - Chrome.horizontal, rect.height() - Chrome.vertical);
        benchmark::DoNotOptimize(rect);
        benchmark::DoNotOptimize(VideoRect(videoArea, in.WinRatio));
    }
}
BENCHMARK(BM_ResizeStep);

// One step of a move, and the hit test every pointer move over the window runs.
void BM_MoveStepAndHitTest(benchmark::State &state)
{
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ & 63) - 32;
        const QPoint pointer(660 + d, 320 + d);
        benchmark::DoNotOptimize(MovingRect({560, 270, 800, 500}, pointer, {100, 50}, WorkArea, true));
        benchmark::DoNotOptimize(BorderHitTest({d + 32, 250}, {800, 500}));
    }
}
BENCHMARK(BM_MoveStepAndHitTest);

} // namespace
