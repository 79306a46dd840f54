// bench-libs: zorvi_engine
// Output parsing speed: synthetic status lines, and a recorded run of the real
// engine replayed line by line (cut by the same line cutter).
#include "engine/PlaybackState.h"
#include "engine/mplayer/MPOutProcessor.h"
#include "engine/mplayer/MPlayerOutputParser.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <string>

namespace {
// An engine link that does nothing: only the parser's own cost is measured.
struct NullLink : CommandSink, OutputSink {
    void SendCommand(const QByteArray &) override {}
    void PostCommand(const QByteArray &) override {}
    void PostAbsolute(const QByteArray &) override {}
    void LogLine(const QString &) override {}
    void ShowStatusLine(const QString &) override {}
    void CommandAnswered() override {}
    void PlaybackStarted() override {}
    void AudioOpened() override {}
    void VideoSized() override {}
    void NoVideo() override {}
    void TrackAdded(TrackMenu, int) override {}
    void TrackNamed(TrackMenu, int, const QString &) override {}
    void DiscTitleFound(const TPlItem &) override {}
    void DiscIdentified() override {}
    void ProblemFound(EngineProblem) override {}
    void TagsRead() override {}
};

// A playing run of a file.
struct Engine {
    NullLink link;
    PlaybackState state{link};
    MPlayerOutputParser core{state, link};
    Engine()
    {
        state.OpenMode = EntryKind::File;
        NewRun();
        core.ProcessLine("Starting playback...");
    }
    // A new run of the entry: identification lines are read again.
    void NewRun()
    {
        state.FirstOpen = true;
        state.AudioTrackIds.clear();
        state.SubtitleTrackIds.clear();
        core.BeginRun({}, 0);
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
