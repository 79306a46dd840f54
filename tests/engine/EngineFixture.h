#pragma once
// The engine link with a recorder host and recorded runs: launches are real,
// but no process starts; the test gives the output and the end of each run.
#include "RecordedRuns.h"
#include "RecorderHost.h"

inline const char *const kProbeAnswer = "Command seek requires at least 1 arguments, we found only 0 so far.";

class EngineFixture : public ::testing::Test {
protected:
    SettingsData settings;
    TZorviPlaylist playlist;
    RecorderHost host;
    RecordedRuns runs;
    EngineCore core{settings, playlist, host.Parts(), QStringLiteral("/opt/zorvi/"), runs.Factory()};
    const PlaybackState &state = core.State();
    QByteArrayList &written = runs.Written;
    FakeClock clock; // the real clock is back when the test ends, whatever it did
    std::uint64_t &now = clock.Now;

    void SetUp() override
    {
        EnsureApp();
        now = 50000;
    }

    // A run of a new entry as Launch leaves it: queue busy, seeks not yet allowed.
    void Open(EntryKind kind = EntryKind::File, const QString &path = QStringLiteral("/m/a.avi"))
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(path, kind));
        core.PlayEntry(playlist.Count() - 1);
    }
    // Playback has started after the identification lines; the queue is idle.
    void StartPlaying(const QByteArrayList &identification = {"ID_LENGTH=1000"})
    {
        Open();
        Lines(identification);
        Lines({"Starting playback...", kProbeAnswer});
        written.clear();
        host.Calls.clear();
        host.Log.clear();
    }
    // The engine's output, handled.
    void Lines(const QByteArrayList &lines)
    {
        if (runs.Current)
            runs.Current->Post(lines);
        core.HandlePendingOutput();
    }
    void End(int exitCode)
    {
        if (runs.Current)
            runs.Current->End(exitCode);
        core.HandlePendingOutput();
    }
    QByteArray Written() const { return written.join(); }
};
