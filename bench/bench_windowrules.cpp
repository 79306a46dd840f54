// bench-libs: zorvi_mainwindow zorvi_skin zorvi_playlist
// The window rules one step of an interactive resize or move runs: the sizing
// rules on the proposed rectangle and the video's placement in the new area;
// and the whole step on an 800x500 window in each built-in skin: rules, skin
// layout, video placement and the window drawn again. Target: 4 ms a step.
#include "common/Report.h"
#include "controls/ZorviPanel.h"
#include "mainwindow/MoveRules.h"
#include "mainwindow/PointerZones.h"
#include "mainwindow/SizingRules.h"
#include "mainwindow/WindowDragLoop.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/uSkin.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
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

QApplication &App()
{
    static int argc = 1;
    static char name[] = "bench_windowrules";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

// The pointer drags the bottom-right corner of an 800x500 skinned window back
// and forth over 64 px with snapping and keep-aspect on; each step sizes the
// window, docks the skin's panels, places the video and draws the window.
void BM_SkinnedResizeStep(benchmark::State &state)
{
    App();
    QWidget window;
    window.setAttribute(Qt::WA_DontShowOnScreen);
    const QRect start(560, 270, 800, 500);
    window.setGeometry(start);
    TZorviPlaylist playlist;
    SkinControls skin(&window);
    skin.CreateSkinControls(&playlist, {});
    auto *outer = new QWidget(&window);
    outer->setAutoFillBackground(true);
    outer->setPalette(QPalette(Qt::black));
    auto *inner = new QWidget(outer);
    window.show();
    int messages = 0;
    const ReportHandler previous = SetReportHandler([&messages](const QString &) { ++messages; });
    skin.LoadSkin(int(state.range(0)));
    SetReportHandler(previous);

    const PanelSizes panels{skin.TopPanel->height(), skin.BottomPanel->height(), skin.LeftPanel->width(),
                            skin.RightPanel->width()};
    const SizingInputs rules{ChromeFor(panels, false, skin.Params.Borders),
                             16.f / 9.f,
                             skin.Params.MinWidth,
                             true,
                             false,
                             true,
                             WorkArea};
    QImage canvas(1000, 700, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    bool followed = true;
    for (auto _ : state) {
        const int d = (step++ & 63) - 32;
        const QRect rect = ResizeStepRect(start, SizingEdge::BottomRight, {d, d / 2}, rules);
        window.setGeometry(rect);
        const QRect video(panels.left, panels.top, rect.width() - rules.chrome.horizontal,
                          rect.height() - rules.chrome.vertical);
        outer->setGeometry(video);
        inner->setGeometry(VideoRect(video.size(), rules.WinRatio));
        window.render(&canvas);
        followed = followed && skin.TopPanel->width() == rect.width();
    }
    if (messages)
        state.SkipWithError("the skin reported messages");
    if (!followed)
        state.SkipWithError("the window or its panels did not follow the pointer");
    state.SetLabel(skin.SkinName.toStdString());
}
BENCHMARK(BM_SkinnedResizeStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
