// The engine link against a real process: the fake engine.
#include "ProcessFixture.h"

namespace {

int OpenFds()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                   .size());
}

// Children that ended and were never reaped (reaped now).
int ZombieChildren()
{
    int zombies = 0;
    while (::waitpid(-1, nullptr, WNOHANG) > 0)
        ++zombies;
    return zombies;
}
} // namespace

using ProcessTest = ProcessFixture;

TEST_F(ProcessTest, EveryLineIsHandledBeforeTheEnd)
{
    QByteArray script = "say ID_LENGTH=12.50\n" + kStart + "say A:   3.0 V:   3.0\n";
    for (int i = 0; i < 300; ++i)
        script += "say line " + QByteArray::number(i) + "\n";
    Play(script + "say Exiting... (End of file)\nexit 0\n");
    EXPECT_EQ(core->State().Status, PlaybackStatus::Opening);
    ASSERT_TRUE(WaitEnded());
    EXPECT_TRUE(host.Log.contains("line 299"));
    EXPECT_TRUE(host.Log.contains("Exiting... (End of file)"));
    EXPECT_EQ(core->State().PositionProp.Value, 0); // at the end of the file, rewound
    EXPECT_EQ(host.Calls.filter("Status "), QStringList({"Status 1", "Status 3", "Status 6"}));
}

TEST_F(ProcessTest, MissingExecutableIsAnErrorWithoutAdvance)
{
    settings.Options.MPlayerPath = dir.path() + "/no/mplayer";
    Play({}, 2);
    EXPECT_EQ(core->State().Status, PlaybackStatus::Error);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_EQ(host.Log.mid(3),
              QStringList({"Error 2 while starting MPlayer:", "No such file or directory",
                           "Please check if mplayer is installed and MPlayerPath names it."}));
}

TEST_F(ProcessTest, StoppedOrKilledEngines)
{
    Play(kStart + "play 30 50\n", 2);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    const qint64 first = core->EngineProcessId();
    ::kill(pid_t(first), SIGSTOP);
    QElapsedTimer t;
    t.start();
    core->PlayEntry(0);
    EXPECT_GE(t.elapsed(), EngineWaits::QuitGraceMs); // the grace time was given
    EXPECT_TRUE(core->IsRunning());
    EXPECT_NE(core->EngineProcessId(), first);
    EXPECT_NE(::kill(pid_t(first), 0), 0); // killed and reaped
    EXPECT_TRUE(WaitStatus(PlaybackStatus::Playing));
    // An engine killed from outside ends in an error, without moving on.
    ::kill(pid_t(core->EngineProcessId()), SIGKILL);
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(core->State().Status, PlaybackStatus::Error);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    core->ExecuteCommand("play");
    EXPECT_TRUE(WaitStatus(PlaybackStatus::Playing));
    core->QuitAndWait();
}

TEST_F(ProcessTest, WritingToADeadEngineIsHarmless)
{
    Play(kStart + "exit 0\n");
    QThread::msleep(300); // the engine is gone; its end is not handled yet
    for (int i = 0; i < 200; ++i)
        core->SendCommand(QByteArray(1000, 'x'));
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(core->State().Status, PlaybackStatus::Stopped);
}

TEST_F(ProcessTest, ManyLaunchesLeaveNoZombieNorDescriptor)
{
    Play(kStart + "play 5 20\n");
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    core->QuitAndWait();
    ASSERT_TRUE(WaitEnded());
    const int fds = OpenFds();
    for (int i = 0; i < 200; ++i) {
        core->PlayEntry(0); // quits the running one, when there is one
        if (i % 2)
            WaitStatus(PlaybackStatus::Playing);
    }
    core->QuitAndWait();
    ASSERT_TRUE(WaitEnded());
    Settle(100);
    EXPECT_EQ(ZombieChildren(), 0);
    EXPECT_EQ(OpenFds(), fds);
}

TEST_F(ProcessTest, EngineVersionFromTheBanner)
{
    const QString path = settings.Options.MPlayerPath;
    Script("say MPlayer 9.9-test (C) 2000-2023 MPlayer Team\nexit 1\n");
    EXPECT_EQ(EngineVersion::Query(path), "9.9-test");
    core->QueryEngineVersionAsync();
    EXPECT_EQ(core->State().MPlayerVersion, "?"); // not on the start-up path
    EXPECT_TRUE(WaitFor([&] { return core->State().MPlayerVersion == "9.9-test"; }));
    Script("hang\n");
    EXPECT_EQ(EngineVersion::Query(path, 300), "?"); // an engine that never answers is given up
    // A newer query (another engine chosen meanwhile) replaces one still waiting.
    core->QueryEngineVersionAsync();
    Script("say MPlayer 2.0-new (C) 2000-2023 MPlayer Team\nexit 1\n");
    core->QueryEngineVersionAsync();
    EXPECT_TRUE(WaitFor([&] { return core->State().MPlayerVersion == "2.0-new"; }));
    EXPECT_EQ(EngineVersion::Query(dir.path() + "/none"), "?");
}
