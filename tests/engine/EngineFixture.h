#pragma once
// A settings holder, a playlist, a recorder host and the engine link under
// test, with an engine "run" whose input is captured without a process.
#include "RecorderHost.h"
#include "common/Clock.h"
#include "engine/EngineCore.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <gtest/gtest.h>

class EngineFixture : public ::testing::Test {
protected:
    SettingsData settings;
    TZorviPlaylist playlist;
    RecorderHost host;
    EngineCore core{settings, playlist, host, QStringLiteral("/opt/zorvi/")};
    QByteArrayList written;
    std::uint64_t now = 50000;

    void SetUp() override
    {
        Clock::SetNowFunction([this] { return now; });
    }
    void TearDown() override { Clock::SetNowFunction(nullptr); }

    // An engine run as Launch leaves it: queue busy, seeks not yet allowed.
    void StartRun()
    {
        core.SimulateRun([this](const QByteArray &bytes) { written.append(bytes); });
        core.CommandQueue.clear();
        core.QueueIdle = false;
        core.QuitAllowed = true;
    }
    // A run that has reached "Starting playback..." with an idle queue.
    void StartPlaying()
    {
        StartRun();
        core.ProcessLine("Starting playback...");
        core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
        written.clear();
        host.Calls.clear();
        host.Log.clear();
    }
    QByteArray Written() const { return written.join(); }
    void Lines(std::initializer_list<const char *> lines)
    {
        for (const char *l : lines)
            core.ProcessLine(l);
    }
};
