// The engine link against a real process: the fake engine.
#include "ProcessFixture.h"
#include "engine/MPOutProcessor.h"
#include "platform/EngineOptions.h"

#include <QDir>
#include <QProcess>
#include <csignal>
#include <unistd.h>

namespace {
const QByteArray kStart = "say Starting playback...\n";

int OpenFds()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)
                   .size());
}

int ZombieChildren()
{
    int zombies = 0;
    const QString me = QString::number(::getpid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1] == me.toLatin1() && fields[0] == "Z")
            ++zombies;
    }
    return zombies;
}
} // namespace

using ProcessTest = ProcessFixture;

TEST(OutProcessor, CutsChunksIntoLines)
{
    const struct {
        QByteArrayList chunks;
        QByteArrayList lines;
        QByteArray tail;
    } rows[] = {
        {{"one\ntwo\r\nthree"}, {"one", "two"}, "three"},
        {{"A:   1.0\rA:   2.0\r", "A:   3.0\r"}, {"A:   1.0", "A:   2.0", "A:   3.0"}, ""},
        {{"Star", "ting play", "back...\n"}, {"Starting playback..."}, ""},
        {{"\r\n\n\r"}, {}, ""},
        {{QByteArray("ab\0cd\n", 6)}, {"abcd"}, ""},
        {{QByteArray("\0\0x\0y\r", 6)}, {"xy"}, ""},
    };
    for (const auto &row : rows) {
        TMPOutProcessor cutter;
        QByteArrayList lines;
        for (const QByteArray &chunk : row.chunks)
            cutter.Feed(chunk, lines);
        EXPECT_EQ(lines, row.lines) << row.chunks.join('|').toStdString();
        EXPECT_EQ(cutter.TakeTail(), row.tail);
    }
}

TEST_F(ProcessTest, EveryLineIsHandledBeforeTheEnd)
{
    QByteArray script = "say ID_LENGTH=12.50\n" + kStart;
    for (int i = 0; i < 300; ++i)
        script += "say line " + QByteArray::number(i) + "\n";
    script += "raw A:   3.0 V:   3.0 A-V: 0.0\\r\n";
    script += "raw broken\\0 line\\r\\n\n";
    script += "say Exiting... (End of file)\nexit 0\n";
    Script(script);
    AddFile("a.avi");
    core->PlayEntry(0);
    EXPECT_EQ(core->Status, PlaybackStatus::Opening);
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    EXPECT_TRUE(host.Log.contains("line 299"));
    EXPECT_TRUE(host.Log.contains("broken line"));
    EXPECT_TRUE(host.Log.contains("Exiting... (End of file)"));
    EXPECT_EQ(host.Log.first(), "Mplayer command line:");
    EXPECT_EQ(core->PositionProp.Max, 12);
    EXPECT_EQ(core->PositionProp.Value, 0); // rewound at the end
    const QStringList statuses = host.Calls.filter("Status ");
    EXPECT_EQ(statuses, QStringList({"Status 1", "Status 3", "Status 6"}));
}

TEST_F(ProcessTest, EndOfEntryStartsTheNextAndStopsAtTheLast)
{
    Script(kStart + "say Exiting... (End of file)\nexit 0\n");
    AddFile("a.avi");
    AddFile("b.avi");
    AddFile("c.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitFor([&] { return playlist.CurrentIndex() == 2 && !core->IsRunning(); }));
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    QByteArrayList media;
    for (const QByteArray &arg : Args())
        if (arg.startsWith(dir.path().toUtf8()))
            media.append(arg.mid(arg.lastIndexOf('/') + 1));
    EXPECT_EQ(media, QByteArrayList({"a.avi", "b.avi", "c.avi"}));
}

TEST_F(ProcessTest, MediaNamesAreSingleArguments)
{
    Script(kStart + "exit 0\n");
    const char *const names[] = {"a\" -dumpfile \"x", "-fs.avi", "two  spaces\\.avi"};
    for (const char *name : names) {
        playlist.Clear();
        AddFile(QString::fromUtf8(name));
        QFile::remove(RecordPath());
        core->PlayEntry(0);
        ASSERT_TRUE(WaitEnded());
        const QByteArrayList args = Args();
        EXPECT_EQ(args.last(), dir.path().toUtf8() + "/" + name);
        EXPECT_FALSE(args.contains("-dumpfile"));
        EXPECT_FALSE(args.contains("-fs"));
    }
}

TEST_F(ProcessTest, MissingExecutableIsAnErrorWithoutAdvance)
{
    settings.Options.MPlayerPath = dir.path() + "/no/mplayer";
    AddFile("a.avi");
    AddFile("b.avi");
    core->PlayEntry(0);
    EXPECT_FALSE(core->IsRunning());
    EXPECT_EQ(core->Status, PlaybackStatus::Error);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    ASSERT_GE(host.Log.size(), 6);
    EXPECT_EQ(host.Log.mid(3),
              QStringList({"Error 2 while starting MPlayer:", "No such file or directory",
                           "Please check if mplayer is installed and MPlayerPath names it."}));
    settings.Options.MPlayerPath = "zorvi-no-such-engine";
    core->PlayEntry(1);
    EXPECT_EQ(core->Status, PlaybackStatus::Error);
    EXPECT_TRUE(host.Log.contains("Error 2 while starting MPlayer:"));
}

TEST_F(ProcessTest, KilledEngineIsAnErrorAndPlayWorksAfterwards)
{
    Script(kStart + "play 30 50\n");
    AddFile("a.avi");
    AddFile("b.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    ::kill(pid_t(core->EngineProcessId()), SIGKILL);
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(core->Status, PlaybackStatus::Error);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    core->ExecuteCommand("play");
    EXPECT_TRUE(core->IsRunning());
    EXPECT_TRUE(WaitStatus(PlaybackStatus::Playing));
    core->QuitAndWait();
}

TEST_F(ProcessTest, StoppedEngineIsKilledAfterTheGraceTime)
{
    Script(kStart + "play 30 50\n");
    AddFile("a.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    const qint64 first = core->EngineProcessId();
    ::kill(pid_t(first), SIGSTOP);
    QElapsedTimer t;
    t.start();
    core->PlayEntry(0);
    const qint64 took = t.elapsed();
    EXPECT_GE(took, 1000);
    EXPECT_LT(took, 2500);
    EXPECT_TRUE(core->IsRunning());
    EXPECT_NE(core->EngineProcessId(), first);
    EXPECT_NE(::kill(pid_t(first), 0), 0); // killed and reaped
    EXPECT_TRUE(WaitStatus(PlaybackStatus::Playing));
    core->QuitAndWait();
}

TEST_F(ProcessTest, UnansweredProbeHoldsPostedCommandsOnly)
{
    Script("noprobe\n" + kStart);
    AddFile("a.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    core->PostCommand("volume 10 1");
    core->SendCommand("osd 3");
    ASSERT_TRUE(WaitFor([&] { return Received().contains("osd 3"); }));
    WaitFor([] { return false; }, 200);
    EXPECT_FALSE(Received().contains("volume 10 1"));
    EXPECT_EQ(core->CommandQueue, QByteArrayList({"volume 10 1"}));
    core->QuitAndWait();
}

TEST_F(ProcessTest, SeekBurstIsCoalesced)
{
    settings.Options.MuteOnPauseSeek = false;
    Script("seekdelay 40\n" + kStart + "play 100 20\n");
    AddFile("a.avi");
    core->PlayEntry(0);
    core->PositionProp.Max = 100;
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle; }));
    QElapsedTimer t;
    t.start();
    for (int i = 1; i <= 50; ++i) {
        core->ExecuteCommand(QStringLiteral("seek %1 1").arg(i));
        WaitFor([] { return false; }, 3);
    }
    EXPECT_LT(t.elapsed(), 400);
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle && core->CommandQueue.isEmpty(); }));
    QByteArrayList seeks;
    for (const QByteArray &c : Received())
        if (c.startsWith("seek "))
            seeks.append(c);
    EXPECT_LT(seeks.size(), 25);
    EXPECT_EQ(seeks.last(), "seek 50 2");
    EXPECT_TRUE(WaitFor([&] {
        core->Tick();
        return core->Status == PlaybackStatus::Playing && core->PositionProp.Value >= 50;
    }));
    core->QuitAndWait();
}

TEST_F(ProcessTest, StatusLinesAreReadInBatchesButAnswersAtOnce)
{
    settings.Options.MuteOnPauseSeek = false;
    Script(kStart + "play 30 20\n");
    AddFile("a.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitStatus(PlaybackStatus::Playing));
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle; }));
    WaitFor([] { return false; }, 300);
    host.StatusTimes.clear();
    WaitFor([] { return false; }, 2000);
    // About 100 status lines, handled in a few batches.
    EXPECT_GT(host.StatusTimes.size(), 50);
    QList<std::uint64_t> batches;
    for (std::uint64_t t : host.StatusTimes)
        if (batches.isEmpty() || t - batches.last() > 50)
            batches.append(t);
    EXPECT_LT(batches.size() * 8, host.StatusTimes.size());
    // A command's answer is not held back by the batching.
    QElapsedTimer t;
    t.start();
    core->PostCommand("volume 10 1");
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle; }));
    EXPECT_LT(t.elapsed(), 200);
    core->QuitAndWait();
}

TEST_F(ProcessTest, RestartKeepsTracksAndResumes)
{
    Script("say ID_AUDIO_ID=1\nsay ID_AUDIO_ID=2\n" + kStart + "play 60 50\n");
    AddFile("a.avi");
    core->PlayEntry(0);
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 1; }));
    core->PositionProp.Max = 60;
    core->ExecuteCommand("switch_audio 2");
    const float at = core->PositionProp.Value;
    QFile::remove(RecordPath());
    core->Restart();
    ASSERT_TRUE(core->IsRunning());
    ASSERT_TRUE(WaitFor([&] { return Received().contains("seek " + QByteArray::number(int(at)) + " 2"); }));
    const QByteArrayList args = Args();
    EXPECT_FALSE(args.contains("-identify"));
    EXPECT_EQ(args[args.indexOf("-aid") + 1], "2");
    EXPECT_EQ(host.AudioItems, QList<int>({1, 2, -100})); // not added again
    core->QuitAndWait();
}

TEST_F(ProcessTest, SubtitleNamedBeforeLaunchIsLoaded)
{
    Script(kStart + "exit 0\n");
    AddFile("film.avi");
    EXPECT_TRUE(core->LoadSubtitle(dir.path() + "/film one.srt"));
    core->PlayEntry(0);
    ASSERT_TRUE(WaitEnded());
    const QByteArrayList args = Args();
    ASSERT_TRUE(args.contains("-sub"));
    EXPECT_EQ(args[args.indexOf("-sub") + 1], dir.path().toUtf8() + "/film one.srt");
}

TEST_F(ProcessTest, WritingToADeadEngineIsHarmless)
{
    Script(kStart + "exit 0\n");
    AddFile("a.avi");
    core->PlayEntry(0);
    QThread::msleep(300); // the engine is gone; its end is not handled yet
    for (int i = 0; i < 200; ++i)
        core->SendCommand(QByteArray(1000, 'x'));
    ASSERT_TRUE(WaitEnded());
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
}

TEST_F(ProcessTest, ManyLaunchesLeaveNoZombieNorDescriptor)
{
    Script(kStart + "play 5 20\n");
    AddFile("a.avi");
    core->PlayEntry(0);
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
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(ZombieChildren(), 0);
    EXPECT_EQ(OpenFds(), fds);
}

TEST_F(ProcessTest, EngineVersionFromTheBanner)
{
    const QString path = settings.Options.MPlayerPath;
    Script("say MPlayer 9.9-test (C) 2000-2023 MPlayer Team\nexit 1\n");
    EXPECT_EQ(EngineCore::QueryEngineVersion(path), "9.9-test");
    core->QueryEngineVersionAsync();
    EXPECT_EQ(core->MPlayerVersion, "?"); // not on the start-up path
    EXPECT_TRUE(WaitFor([&] { return core->MPlayerVersion == "9.9-test"; }));
    Script("hang\n");
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(EngineCore::QueryEngineVersion(path, 300), "?");
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(EngineCore::QueryEngineVersion(dir.path() + "/none"), "?");
}

TEST_F(ProcessTest, PreviousEnginesAreOfferedForKilling)
{
    // A copy of the fake engine named "mplayer" stands for one left running.
    const QString copy = dir.path() + "/mplayer";
    ASSERT_TRUE(QFile::copy(settings.Options.MPlayerPath, copy));
    Script("hang\n");
    QProcess left; // marked as started by a copy that is gone (no process id gets that high)
    left.setEnvironment(QProcess::systemEnvironment() << "ZORVI_ENGINE_OWNER=2147483647");
    left.start(copy, {});
    ASSERT_TRUE(left.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return FindEngineProcesses().contains(left.processId()); }));
    // Only our own stand-in is offered: other engines of this user are not ours to kill.
    core->FindPreviousEngines = [&](qint64 exceptPid) {
        QList<qint64> mine;
        for (qint64 pid : FindEngineProcesses(exceptPid))
            if (pid == left.processId())
                mine.append(pid);
        return mine;
    };
    host.Answer = KillAnswer::Cancel;
    EXPECT_TRUE(core->CheckPreviousEngines());
    EXPECT_EQ(left.state(), QProcess::Running);
    settings.Options.Verbose = true;
    AddFile("a.avi");
    core->PlayEntry(0); // SingleInstance and Verbose: asked, and cancelled
    EXPECT_FALSE(core->IsRunning());
    host.Answer = KillAnswer::Yes;
    EXPECT_FALSE(core->CheckPreviousEngines());
    EXPECT_TRUE(left.waitForFinished(2000));
    EXPECT_GE(host.KillQuestions, 3);
}
