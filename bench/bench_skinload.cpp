// bench-libs: zorvi_skin zorvi_playlist
// LoadSkin of each built-in skin on an 800 x 500 window: archive read,
// inflate, BMP decode, layout. Target: well under 20 ms, so a switch feels
// instant. The archive size of each skin is given as a counter.
#include "common/Report.h"
#include "playlist/ZorviPlaylist.h"
#include "skin/uSkin.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

QApplication &App()
{
    static int argc = 1;
    static char name[] = "bench_skinload";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

// With paint: the load, then the whole window drawn once, as after a switch.
void Run(benchmark::State &state, bool paint)
{
    App();
    const int index = int(state.range(0));
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    host.resize(800, 500);
    TZorviPlaylist playlist;
    SkinControls skin(&host);
    skin.CreateSkinControls(&playlist, {});
    host.show();
    int messages = 0;
    const ReportHandler previous = SetReportHandler([&messages](const QString &) { ++messages; });
    QImage window(host.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        skin.LoadSkin(index);
        if (paint)
            host.render(&window);
    }
    SetReportHandler(previous);
    if (messages)
        state.SkipWithError("the skin reported messages");
    state.SetLabel(skin.SkinName.toStdString());
    QFile archive(QStringLiteral(":/skins/%1.zip").arg(index + 1));
    state.counters["archive_bytes"] = double(archive.size());
}

void BM_LoadSkin(benchmark::State &state)
{
    Run(state, false);
}
void BM_LoadSkinAndPaint(benchmark::State &state)
{
    Run(state, true);
}

} // namespace

BENCHMARK(BM_LoadSkin)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadSkinAndPaint)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
