// The command queue and the property objects' send rules.
#include "EngineFixture.h"

using QueueTest = EngineFixture;

TEST_F(QueueTest, IdleQueueSendsWithProbe)
{
    StartPlaying();
    core.PostCommand("volume 50 1");
    EXPECT_EQ(Written(), "volume 50 1\nseek\n");
    EXPECT_FALSE(core.QueueIdle);
}

TEST_F(QueueTest, BusyQueueReplacesCommandsOfTheSameKey)
{
    settings.Options.Verbose = true;
    StartPlaying();
    core.PostCommand("frame_step"); // in flight
    core.PostCommand("seek 10 2");
    core.PostCommand("seek 20 2");
    core.PostCommand("volume 40 1");
    core.PostCommand("mute 1");
    core.PostCommand("mute 0");
    core.PostCommand("frame_step");
    core.PostCommand("frame_step");
    EXPECT_EQ(core.CommandQueue, QByteArrayList({"seek 20 2", "volume 40 1", "mute 0", "frame_step"}));
    EXPECT_TRUE(host.Log.contains("$|Replacing: \"seek 10 2\" by \"seek 20 2\""));
    EXPECT_TRUE(host.Log.contains("$|Queueing: \"volume 40 1\""));
    EXPECT_EQ(Written(), "frame_step\nseek\n");
}

TEST_F(QueueTest, AcknowledgementReleasesOneCommandAtATime)
{
    StartPlaying();
    core.PostCommand("seek 5 2");
    core.PostCommand("seek 9 2");
    core.PostCommand("volume 40 1");
    written.clear();
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_EQ(Written(), "seek 9 2\nseek\n");
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_EQ(Written(), "seek 9 2\nseek\nvolume 40 1\nseek\n");
    EXPECT_TRUE(core.CommandQueue.isEmpty());
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_TRUE(core.QueueIdle);
    EXPECT_EQ(core.SeekEndTime, now + 500);
}

TEST_F(QueueTest, PausedPrefixDependsOnTheMomentOfWriting)
{
    StartPlaying();
    core.PostCommand("volume 40 1");
    core.PostCommand("sub_scale 4 1");
    core.Paused = true;
    written.clear();
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_EQ(Written(), "pausing_keep sub_scale 4 1\npausing_keep seek\n");
}

TEST_F(QueueTest, NothingIsWrittenOrQueuedWithoutEngine)
{
    core.PostCommand("seek 10 2");
    core.SendCommand("pause");
    EXPECT_TRUE(core.CommandQueue.isEmpty());
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(QueueTest, CommandsWaitUntilPlaybackStarts)
{
    StartRun();
    core.PostCommand("volume 10 1");
    EXPECT_TRUE(written.isEmpty());
    core.ProcessLine("Starting playback...");
    EXPECT_TRUE(Written().endsWith("seek\n"));
    written.clear();
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_EQ(Written(), "volume 10 1\nseek\n");
}

TEST_F(QueueTest, SeekingEndsAtTheFirstTickAfterTheDeadline)
{
    StartPlaying();
    core.PositionProp.Max = 100;
    core.ExecuteCommand("seek 30 1");
    EXPECT_EQ(core.Status, PlaybackStatus::Seeking);
    EXPECT_EQ(core.SeekEndTime, EngineCore::NeverMs);
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far."); // mute 1 goes
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    EXPECT_EQ(core.SeekEndTime, now + 500);
    now += 500;
    core.Tick();
    EXPECT_EQ(core.Status, PlaybackStatus::Seeking);
    now += 1;
    written.clear();
    core.Tick();
    EXPECT_EQ(core.Status, PlaybackStatus::Playing);
    EXPECT_EQ(Written(), "mute 0\n");
}

// ------------------------------------------------------------ properties

TEST_F(QueueTest, PropertyEdgeCases)
{
    StartPlaying();
    core.VolumeProp.Value = 97;
    core.VolumeProp.SetValue(false, 6);
    EXPECT_EQ(core.VolumeProp.Value, 100);
    EXPECT_EQ(Written(), "volume 100 1\nseek\n");
    EXPECT_TRUE(host.Called("Volume 100"));

    core.QueueIdle = true;
    written.clear();
    settings.Options.MuteOnPauseSeek = false;
    core.PositionProp.Max = 50;
    core.PositionProp.Value = 4;
    core.PositionProp.SetValue(false, -10);
    EXPECT_EQ(core.PositionProp.Value, 0);
    EXPECT_EQ(Written(), "seek 0 2\nseek\n");

    core.PositionProp.Max = 0; // unknown duration
    core.PositionProp.SetValue(true, 300);
    EXPECT_EQ(core.PositionProp.Value, 0);
}

TEST_F(QueueTest, TrackCycling)
{
    StartPlaying();
    core.AudioTrackProp.Min = 1;
    core.AudioTrackProp.Max = 2;
    core.AudioTrackProp.Value = 2;
    core.AudioTrackProp.CycleValue();
    EXPECT_EQ(core.AudioTrackProp.Value, 1);
    EXPECT_EQ(Written(), "switch_audio 1\n"); // at once, never queued
    core.AudioTrackProp.Min = core.AudioTrackProp.Max = core.AudioTrackProp.Value = -1;
    written.clear();
    core.AudioTrackProp.CycleValue();
    EXPECT_EQ(Written(), "switch_audio -1\n");

    core.SubtitleTrackProp.Max = 2;
    core.SubtitleTrackProp.Value = 0;
    QList<float> seen;
    for (int i = 0; i < 4; ++i) {
        core.SubtitleTrackProp.CycleValue();
        seen.append(core.SubtitleTrackProp.Value);
    }
    EXPECT_EQ(seen, QList<float>({1, 2, -1, 0}));
}

TEST_F(QueueTest, VolumeWhileMutedWaitsForUnmute)
{
    StartPlaying();
    core.ToggleMute();
    EXPECT_EQ(Written(), "mute 1\nseek\n");
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    written.clear();
    core.ExecuteCommand("volume 30 1");
    EXPECT_TRUE(written.isEmpty());
    EXPECT_TRUE(core.VolumePending);
    EXPECT_TRUE(host.Called("Volume 30"));
    core.ToggleMute();
    EXPECT_EQ(Written(), "volume 30 1\nseek\n");
    EXPECT_FALSE(core.VolumePending);
}

TEST_F(QueueTest, SubtitleDelayAccumulatesAsFloat)
{
    StartPlaying();
    core.ExecuteCommand("sub_delay 0.1");
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    core.ExecuteCommand("sub_delay 0.1");
    EXPECT_EQ(Written(), "sub_delay 0.100000001490116 1\nseek\nsub_delay 0.200000002980232 1\nseek\n");
}
