#pragma once
// The engine link with a recorder host; launches are real, but no process
// starts and what would go to the engine is captured.
#include "RecorderHost.h"
#include "common/Clock.h"
#include "engine/EngineCore.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <gtest/gtest.h>

inline const char *const kProbeAnswer = "Command seek requires at least 1 arguments, we found only 0 so far.";

class EngineFixture : public ::testing::Test {
protected:
    SettingsData settings;
    TZorviPlaylist playlist;
    RecorderHost host;
    EngineCore core{settings, playlist, host.Parts(), QStringLiteral("/opt/zorvi/")};
    const PlaybackState &state = core.State();
    QByteArrayList written;
    std::uint64_t now = 50000;

    void SetUp() override
    {
        Clock::SetNowFunction([this] { return now; });
        core.SimulateProcesses([this](const QByteArray &bytes) { written.append(bytes); });
    }
    void TearDown() override { Clock::SetNowFunction(nullptr); }

    // A run of a new entry as Launch leaves it: queue busy, seeks not yet allowed.
    void Open(EntryKind kind = EntryKind::File, const QString &path = QStringLiteral("/m/a.avi"))
    {
        playlist.AddItem(TZorviPlaylist::MakeItem(path, kind));
        core.PlayEntry(playlist.Count() - 1);
    }
    // Playback has started after the identification lines; the queue is idle.
    void StartPlaying(std::initializer_list<const char *> identification = {"ID_LENGTH=1000"})
    {
        Open();
        Lines(identification);
        Lines({"Starting playback...", kProbeAnswer});
        written.clear();
        host.Calls.clear();
        host.Log.clear();
    }
    // Restart: the run ends and the same entry starts again, not identified.
    void Relaunch()
    {
        core.Restart();
        core.SimulateEnd(0);
    }
    QByteArray Written() const { return written.join(); }
    void Lines(std::initializer_list<const char *> lines)
    {
        for (const char *l : lines)
            core.ProcessLine(l);
    }
};
