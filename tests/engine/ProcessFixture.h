#pragma once
// Engine runs against the fake engine (tests/fakeengine): a real process, real
// pipes, real event delivery.
#include "RecorderHost.h"

inline const QByteArray kStart = "say Starting playback...\n";

class ProcessFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    SettingsData settings;
    TZorviPlaylist playlist;
    RecorderHost host;
    std::unique_ptr<EngineCore> core;

    void SetUp() override
    {
        EnsureApp();
        settings.Options.MPlayerPath =
            QString::fromLocal8Bit(qgetenv("ZORVI_BUILD_DIR")) + "/tests/bin/fakeengine";
        settings.Options.Engine = "mplayer"; // the fake engine plays MPlayer, also where mpv is installed
        settings.Options.VideoOut = 1;
        settings.Options.AudioOut = 1;
        core = std::make_unique<EngineCore>(settings, playlist, host.Parts(), dir.path() + "/");
        qputenv("ZORVI_FAKE_RECORD", RecordPath().toLocal8Bit());
    }
    void TearDown() override
    {
        core.reset();
        qunsetenv("ZORVI_FAKE_SCRIPT");
    }
    QString RecordPath() const { return dir.path() + "/record.txt"; }
    void Script(const QByteArray &text) { qputenv("ZORVI_FAKE_SCRIPT", text); }
    // Scripts the engine, lists a.avi (and b.avi) and plays the first entry.
    void Play(const QByteArray &script, int files = 1)
    {
        Script(script);
        for (const QString &name : QStringList{"/a.avi", "/b.avi"}.mid(0, files)) {
            WriteFile(dir.path() + name); // an existing (empty) media file
            playlist.Add(dir.path() + name);
        }
        core->PlayEntry(0);
    }
    // The arguments every engine started with.
    QByteArrayList Args() const
    {
        QByteArrayList out;
        for (const QByteArray &line : ReadFile(RecordPath()).split('\n'))
            if (line.startsWith("ARG "))
                out.append(line.mid(4));
        return out;
    }
    bool WaitStatus(PlaybackStatus s, int ms = 5000)
    {
        return WaitFor([&] { return core->State().Status == s; }, ms);
    }
    bool WaitEnded()
    {
        return WaitFor([&] { return !core->IsRunning(); });
    }
};
