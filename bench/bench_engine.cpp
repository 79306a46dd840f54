// bench-libs: zorvi_engine zorvi_playlist
// Output parsing speed: synthetic status lines, and a recorded run of the real
// engine replayed line by line (cut by the same line cutter).
#include "engine/EngineCore.h"
#include "engine/MPOutProcessor.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <string>

namespace {
// A window that does nothing: only the parser's own cost is measured.
class NullHost : public PlaybackDisplay,
                 public VideoPanel,
                 public TrackMenus,
                 public EngineLog,
                 public WindowRequests {
public:
    QString status;
    void SetPlayingButtons(bool) override {}
    void PrepareMediaDisplay(bool, EntryKind, const QString &) override {}
    void MediaOpened() override {}
    void UpdateStatusDisplay(PlaybackStatus) override {}
    void UpdateMuteDisplay(bool) override {}
    void UpdatePosition(float) override {}
    void UpdateVolume(float) override {}
    void UpdateDuration() override {}
    void ShowMediaTitle(const QString &) override {}
    void HideVideo() override {}
    void LayoutVideo() override {}
    void RevealVideo() override {}
    void ApplyWindowSize() override {}
    void SetSizeMode(int, bool) override {}
    std::uint64_t VideoWindowId() override { return 1; }
    std::uint32_t VideoColorKey() override { return 0x050702; }
    void ClearTracks() override {}
    void AddAudioTrack(int) override {}
    void NameAudioTrack(int, const QString &) override {}
    void AddSubtitleTrack(int) override {}
    void NameSubtitleTrack(int, const QString &) override {}
    void TickMenuValue(TrackMenu, int) override {}
    void SetMenuToggle(MenuToggle, bool) override {}
    void ClearLog() override {}
    void AddLine(const QString &) override {}
    void SetStatusLine(const QString &text) override { status = text; }
    QString StatusLine() override { return status; }
    void CenterItem(int) override {}
    bool IsPlaylistDragging() override { return false; }
    KillAnswer AskKillPreviousEngine(const QString &, const QString &) override { return KillAnswer::No; }
};

// A playing run of a file, its engine simulated.
struct Engine {
    SettingsData settings;
    TZorviPlaylist playlist;
    NullHost host;
    EngineCore core{settings, playlist, EngineHost::Of(host), QStringLiteral("/tmp/")};
    Engine()
    {
        core.SimulateProcesses([](const QByteArray &) {});
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/tmp/a.avi"), EntryKind::File));
        core.PlayEntry(0);
        core.ProcessLine("Starting playback...");
    }
    // A new run of the same entry: identification lines are read again.
    void NewRun()
    {
        core.SimulateEnd(0);
        core.PlayEntry(0);
    }
};

void StatusLines(benchmark::State &state)
{
    Engine e;
    QByteArrayList lines;
    for (int i = 0; i < 1000; ++i) {
        char text[128];
        std::snprintf(text, sizeof text,
                      "A:%6.1f V:%6.1f A-V:  0.000 ct:  0.000 %4d/%4d ??%% ??%% ??,?%% 0 0", i * 0.4, i * 0.4,
                      i, i);
        lines.append(text);
    }
    for (auto _ : state)
        for (const QByteArray &line : lines)
            e.core.ProcessLine(line);
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(StatusLines);

QByteArrayList RecordedRun()
{
    std::string path = __FILE__;
    path = path.substr(0, path.rfind('/')) + "/data/mplayer-run.log";
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    TMPOutProcessor cutter;
    QByteArrayList lines;
    cutter.Feed(f.readAll(), lines);
    return lines;
}

void RecordedEngineRun(benchmark::State &state)
{
    const QByteArrayList lines = RecordedRun();
    if (lines.isEmpty()) {
        state.SkipWithError("recorded run not found");
        return;
    }
    Engine e;
    for (auto _ : state) {
        state.PauseTiming();
        e.NewRun();
        state.ResumeTiming();
        for (const QByteArray &line : lines)
            e.core.ProcessLine(line);
    }
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(RecordedEngineRun);

void LineCutter(benchmark::State &state)
{
    std::string path = __FILE__;
    path = path.substr(0, path.rfind('/')) + "/data/mplayer-run.log";
    QFile f(QString::fromStdString(path));
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    for (auto _ : state) {
        TMPOutProcessor cutter;
        QByteArrayList lines;
        for (qsizetype i = 0; i < bytes.size(); i += 1024)
            cutter.Feed(bytes.mid(i, 1024), lines);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(LineCutter);
} // namespace
