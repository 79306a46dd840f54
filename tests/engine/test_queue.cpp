// The command queue, alone and as the engine link drives it.
#include "EngineFixture.h"

TEST(CommandQueue, OneCommandInFlight)
{
    // Steps: a command is posted ("=": one that sets a value outright); "ack"
    // is the engine's answer to the probe.
    const struct {
        QByteArrayList steps;
        const char *written;
        QByteArrayList waiting;
        bool idle;
    } rows[] = {
        {{"volume 50 1"}, "volume 50 1|seek", {}, false},
        {{"x", "seek 10 2", "seek 20 2", "volume 40 1"}, "x|seek", {"seek 20 2", "volume 40 1"}, false},
        {{"x", "mute 1", "mute 0"}, "x|seek", {"mute 0"}, false},
        {{"x", "frame_step", "frame_step"}, "x|seek", {"frame_step"}, false},
        {{"x", "seek 5 2", "seek 9 2", "volume 40 1", "ack"}, "x|seek|seek 9 2|seek", {"volume 40 1"}, false},
        {{"x", "seek 5 2", "ack", "ack"}, "x|seek|seek 5 2|seek", {}, true},
        {{"x", "ack", "y"}, "x|seek|y|seek", {}, false},
        {{"=seek 600 2", "=seek 600 2", "ack", "=seek 600 2"}, "seek 600 2|seek|seek 600 2|seek", {}, false},
        {{"=seek 1 2", "=seek 2 2", "=seek 1 2", "=v 5", "ack"}, "seek 1 2|seek|v 5|seek", {}, false},
        {{"step", "step", "ack"}, "step|seek|step|seek", {}, false}, // each step counts
    };
    for (const auto &row : rows) {
        QByteArrayList written;
        CommandQueue queue([&](const QByteArray &t) { written.append(t); }, [](const QString &) {});
        queue.Acknowledge(0); // idle at program start
        for (const QByteArray &step : row.steps) {
            if (step == "ack")
                queue.Acknowledge(100);
            else
                queue.Post(step.startsWith('=') ? step.mid(1) : step, step.startsWith('='));
        }
        EXPECT_EQ(written.join('|'), row.written) << row.steps.join(' ').constData();
        EXPECT_EQ(queue.Waiting(), row.waiting) << row.steps.join(' ').constData();
        EXPECT_EQ(queue.IsIdle(), row.idle) << row.steps.join(' ').constData();
    }
}

using QueueTest = EngineFixture;

TEST_F(QueueTest, NothingGoesOutBeforePlaybackStarts)
{
    core.PostCommand("seek 10 2"); // no engine
    core.SendCommand("pause");
    Open();
    core.PostCommand("volume 10 1");
    EXPECT_TRUE(written.isEmpty());
    Lines({"Starting playback...", kProbeAnswer});
    EXPECT_EQ(Written(), "sub_select -1\nseek\nvolume 10 1\nseek\n");
}

TEST_F(QueueTest, SeekPastTheEndIsSentOnceAndThePausedPrefixFollowsTheMomentOfWriting)
{
    settings.Options.MuteOnPauseSeek = false;
    StartPlaying({"ID_LENGTH=60"});
    Lines({"A:  55.0 V:  55.0 A-V:  0.000"});
    for (int i = 0; i < 3; ++i) {
        core.ExecuteCommand("seek +10");
        Lines({kProbeAnswer});
    }
    EXPECT_EQ(Written(), "seek 60 2\nseek\n");
    core.PostCommand("volume 40 1");
    core.PostCommand("sub_scale 4 1");
    core.ExecuteCommand("pause");
    written.clear();
    Lines({kProbeAnswer});
    EXPECT_EQ(Written(), "pausing_keep sub_scale 4 1\npausing_keep seek\n");
}

TEST_F(QueueTest, SeekGoesOutWithItsMuteAndSeekingEndsAtTheFirstTickAfterTheQueueSettled)
{
    StartPlaying();
    core.ExecuteCommand("seek 30 1");
    EXPECT_EQ(state.Status, PlaybackStatus::Seeking);
    EXPECT_EQ(Written(), "mute 1\nseek 30 2\nseek\n"); // one round trip
    core.ExecuteCommand("seek 40 1");
    core.ExecuteCommand("seek 50 1");
    Lines({kProbeAnswer, kProbeAnswer});
    EXPECT_EQ(Written(), "mute 1\nseek 30 2\nseek\nseek 50 2\nseek\n");
    now += CommandQueue::SeekSettleMs;
    core.Tick();
    EXPECT_EQ(state.Status, PlaybackStatus::Seeking);
    now += 1;
    written.clear();
    core.Tick();
    EXPECT_EQ(state.Status, PlaybackStatus::Playing);
    EXPECT_EQ(Written(), "mute 0\n");
}
