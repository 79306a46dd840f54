// Named commands and the playback controls behind them.
#include "EngineFixture.h"

namespace {
class CommandsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        settings.Options.MuteOnPauseSeek = false;
        StartPlaying();
        core.PositionProp.Max = 1000;
        core.PositionProp.Value = 100;
        core.VolumeProp.Value = 97;
    }
    // Runs a command on an idle queue and returns what was written.
    QByteArray Run(const QString &text)
    {
        core.QueueIdle = true;
        core.CommandQueue.clear();
        written.clear();
        host.Calls.clear();
        core.ExecuteCommand(text);
        return Written();
    }
};
} // namespace

TEST_F(CommandsTest, EngineCommandsAndTheirWrites)
{
    const struct {
        const char *text;
        const char *written;
    } rows[] = {
        {"volume +6", "volume 100 1\nseek\n"},
        {"volume -200", "volume 0 1\nseek\n"},
        {"volume 50 1", "volume 50 1\nseek\n"},
        {"Volume 50 1", "Volume 50 1\nseek\n"}, // names are case-sensitive: passed on
        {"seek 30", "seek 130 2\nseek\n"},
        {"seek -10", "seek 90 2\nseek\n"},
        {"seek 30 1", "seek 30 2\nseek\n"},
        {"seek 30 2", "seek 30 2\nseek\n"},
        {"seek 30 0", "seek 130 2\nseek\n"},
        {"seek word", "seek 100 2\nseek\n"},
        {"&osd 3", "osd 3\n"},
        {"@osd 3", "osd 3\nseek\n"},
        {"osd 3", "osd 3\nseek\n"},
        {"sub_scale 4 1", "sub_scale 4 1\nseek\n"},
        {"frame_drop 1", "frame_drop 1\nseek\n"},
        {"frame_drop 0", "frame_drop 0\nseek\n"},
        {"switch_ratio", "switch_ratio 1.33333337306976\nseek\n"},
        {"", ""},
    };
    for (const auto &row : rows) {
        core.PositionProp.Value = 100;
        core.VolumeProp.Value = 97;
        core.AspectIndex = 0;
        core.SetStatus(PlaybackStatus::Playing);
        EXPECT_EQ(Run(QString::fromUtf8(row.text)), row.written) << row.text;
    }
}

TEST_F(CommandsTest, WindowCommandsReachTheHost)
{
    const struct {
        const char *text;
        const char *call;
    } rows[] = {
        {"popup", "ShowPopupMenu"},
        {"fullscreen", "SetFullscreen 1"},
        {"toggle_controls", "ToggleControls"},
        {"ontop", "SetOnTop 1"},
        {"minimize", "Minimize"},
        {"mainquit", "Quit"},
        {"winsize 2 1", "SetSizeMode 2 1"},
        {"winsize 2.5", "SetSizeMode 2 0"},
        {"winsize 3.5", "SetSizeMode 4 0"},
        {"wincenter", "SetCenter 1 1"},
        {"playlist", "ShowPlaylist 1"},
        {"options", "ShowOptions"},
        {"showlog", "ShowLog"},
        {"savelocal", "SaveLanguage current.lng"},
        {"devtest", "SetTranslatorMode 1"},
        {"frame_drop 1", "Toggle FrameDrop 1"},
        {"switch_ratio", "Tick Aspect 1"},
    };
    for (const auto &row : rows) {
        core.AspectIndex = 0;
        Run(QString::fromUtf8(row.text));
        EXPECT_TRUE(host.Called(row.call)) << row.text << " gave " << host.Calls.join("; ").toStdString();
    }
    host.Fullscreen = true;
    host.OnTop = true;
    host.PlaylistVisible = true;
    Run("fullscreen");
    EXPECT_TRUE(host.Called("SetFullscreen 0"));
    Run("ontop");
    EXPECT_TRUE(host.Called("SetOnTop 0"));
    Run("playlist");
    EXPECT_TRUE(host.Called("ShowPlaylist 0"));
}

TEST_F(CommandsTest, SwitchRatioCycles)
{
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        Run("switch_ratio");
        seen.append(core.AspectIndex);
    }
    EXPECT_EQ(seen, QList<int>({1, 2, 3, 0}));
    EXPECT_EQ(Run("switch_ratio"), "switch_ratio 1.33333337306976\nseek\n");
    core.AspectIndex = 3;
    EXPECT_EQ(Run("switch_ratio"), "switch_ratio 0\nseek\n");
}

TEST_F(CommandsTest, PauseResumeAndFrameStep)
{
    settings.Options.MuteOnPauseSeek = true;
    EXPECT_EQ(Run("pause"), "pausing_keep mute 1\npausing_keep pause\n");
    EXPECT_EQ(core.Status, PlaybackStatus::Paused);
    EXPECT_TRUE(host.Called("SetPlayingButtons 0"));
    EXPECT_EQ(Run("frame_step"), "pausing_keep frame_step\npausing_keep seek\n");
    EXPECT_EQ(Run("pause"), "mute 0\n");
    EXPECT_EQ(core.Status, PlaybackStatus::Playing);
    settings.Options.MuteOnPauseSeek = false;
    EXPECT_EQ(Run("frame_step"), "pausing_keep pause\n"); // while playing it pauses
    EXPECT_EQ(Run("play"), "pause\n");
    core.SetStatus(PlaybackStatus::Opening);
    EXPECT_EQ(Run("pause"), "");
    EXPECT_FALSE(core.Paused);
}

TEST_F(CommandsTest, ResumeSendsPendingVolume)
{
    Run("pause");
    EXPECT_EQ(Run("volume 20 1"), "");
    EXPECT_TRUE(core.VolumePending);
    EXPECT_EQ(Run("play"), "volume 20 1\n");
    EXPECT_FALSE(core.VolumePending);
}

TEST_F(CommandsTest, MuteWhilePausedSendsNothing)
{
    Run("pause");
    EXPECT_EQ(Run("mute"), "");
    EXPECT_TRUE(settings.LastSession.Mute);
    EXPECT_TRUE(host.Called("Mute 1"));
    EXPECT_EQ(Run("mute"), "");
    EXPECT_EQ(Run("mute"), "");
    settings.Options.MuteOnPauseSeek = true;
    EXPECT_EQ(Run("play"), "mute 1\n"); // resuming applies the mute state
}

TEST_F(CommandsTest, TrackCommandsWithAndWithoutValue)
{
    core.SubtitleTrackProp.Max = 2;
    core.SubtitleTrackProp.Value = 0;
    EXPECT_EQ(Run("sub_select"), "sub_select 1\nseek\n");
    EXPECT_EQ(Run("sub_select 2"), "sub_select 2\nseek\n");
    EXPECT_EQ(Run("sub_select 9"), "sub_select 2\nseek\n");
    core.AudioTrackProp.Min = 1;
    core.AudioTrackProp.Max = 2;
    core.AudioTrackProp.Value = 1;
    EXPECT_EQ(Run("switch_audio"), "switch_audio 2\n");
    EXPECT_EQ(Run("switch_audio word"), "switch_audio 1\n");
    EXPECT_EQ(Run("switch_audio 2"), "switch_audio 2\n");
}

TEST_F(CommandsTest, VerboseToggleAndDiagnostics)
{
    settings.Options.OSDLevel = 1;
    EXPECT_EQ(Run("verbose"), "osd 2\n");
    EXPECT_TRUE(settings.Options.Verbose);
    host.Log.clear();
    Run("osd 3");
    EXPECT_EQ(host.Log,
              QStringList({"$|Passing command directly to MPlayer", "$|Sending: osd 3", "$|Sending: seek"}));
    EXPECT_EQ(Run("verbose"), "osd 1\n");
}

TEST_F(CommandsTest, StopEndsTheRunWithoutAdvancing)
{
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/a.avi"), EntryKind::File));
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/b.avi"), EntryKind::File));
    playlist.SetCurrent(0);
    EXPECT_EQ(Run("stop"), "quit\n");
    EXPECT_EQ(core.Status, PlaybackStatus::Closing);
    core.SimulateEnd(0);
    EXPECT_EQ(core.Status, PlaybackStatus::Stopped);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_FALSE(core.IsRunning());
    core.PositionProp.Value = 5;
    Run("stop"); // nothing runs: rewinds the display only
    EXPECT_EQ(core.PositionProp.Value, 0);
}

TEST_F(CommandsTest, SubtitlePathsAreNeverSplitOrInjected)
{
    EXPECT_TRUE(core.LoadSubtitle(QStringLiteral("/s/my \"best\" subs.srt")));
    EXPECT_EQ(Written(), "sub_load \"/s/my \\\"best\\\" subs.srt\"\n");
    EXPECT_EQ(core.SubtitleFiles, "\"/s/my \\\"best\\\" subs.srt\"");
    written.clear();
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/a.srt\nquit")));
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/a.srt\rquit")));
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/a,b.srt")));
    EXPECT_TRUE(written.isEmpty());
    EXPECT_TRUE(host.Log.last().startsWith("Subtitle file refused"));
    EXPECT_EQ(Run("sub_load x"), "sub_load x\nseek\n"); // typed text goes as typed
}
