// Named commands and the playback controls behind them.
#include "EngineFixture.h"
#include "common/FileNames.h"

namespace {
class CommandsTest : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        settings.Options.MuteOnPauseSeek = false;
        StartPlaying({"ID_LENGTH=1000", "ID_AUDIO_ID=1", "ID_AUDIO_ID=2", "ID_SUBTITLE_ID=0",
                      "ID_SUBTITLE_ID=1", "ID_SUBTITLE_ID=2"});
    }
    // Runs a command once the queue is idle and returns what was written.
    QByteArray Run(const QString &text)
    {
        while (!core.Queue().IsIdle())
            Lines({kProbeAnswer});
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
        {"seek 30", "seek 130 2\nseek\n"},
        {"seek 30 1", "seek 30 2\nseek\n"},
        {"seek 5000 1", "seek 1000 2\nseek\n"},
        {"&osd 3", "osd 3\n"},
        {"@osd 3", "osd 3\nseek\n"},
        {"osd 3", "osd 3\nseek\n"},
        {"sub_scale 4 1", "sub_scale 4 1\nseek\n"},
        {"sub_delay 0.1", "sub_delay 0.100000001490116 1\nseek\n"},
        {"sub_delay 0.1", "sub_delay 0.200000002980232 1\nseek\n"},
        {"frame_drop 1", "frame_drop 1\nseek\n"},
        {"sub_load x", "sub_load x\nseek\n"}, // typed text goes as typed
        {"verbose", "osd 2\n"},
        {"verbose", "osd 0\n"},
        {"", ""},
    };
    for (const auto &row : rows) {
        Run("seek 100 1");
        Run("volume 97 1");
        EXPECT_EQ(Run(QString::fromUtf8(row.text)), row.written) << row.text;
    }
}

TEST_F(CommandsTest, RegisteredCommandsGetTheirArguments)
{
    QStringList got;
    core.RegisterCommand("winsize", [&](const CommandArgs &a) {
        got << QStringLiteral("%1 %2 %3 %4").arg(a.Value).arg(a.Rounded()).arg(a.HasValue).arg(a.Absolute);
    });
    for (const char *t :
         {"winsize", "winsize 2 1", "winsize 2.5 0", "winsize 3.5", "winsize x 3", "winsize 1e99999"})
        EXPECT_EQ(Run(t), "");
    EXPECT_EQ(got, QStringList({"0 0 0 0", "2 2 1 1", "2.5 2 1 0", "3.5 4 1 0", "0 0 0 1", "0 0 0 0"}));
    EXPECT_EQ(Run("Winsize 2"), "Winsize 2\nseek\n"); // names are case-sensitive: passed on
}

TEST_F(CommandsTest, ControlsInSequence)
{
    // Each row runs once the queue is idle, after the rows before it; `call`
    // is one the window must have had.
    const struct {
        bool muteOnPauseSeek;
        const char *text, *written, *call;
    } rows[] = {
        {false, "sub_select", "sub_select 1\nseek\n", "Tick 1 1"},
        {false, "sub_select", "sub_select 2\nseek\n", ""},
        {false, "sub_select", "sub_select -1\nseek\n", ""},
        {false, "sub_select", "sub_select 0\nseek\n", ""},
        {false, "sub_select 9", "sub_select 2\nseek\n", ""},
        // Audio switches go out at once, never through the queue.
        {false, "switch_audio", "switch_audio 2\n", "Tick 0 2"},
        {false, "switch_audio word", "switch_audio 1\n", ""},
        {false, "switch_audio 2", "switch_audio 2\n", ""},
        {false, "switch_ratio", "switch_ratio 1.33333337306976\nseek\n", "Tick 2 1"},
        {false, "switch_ratio", "switch_ratio 1.77777779102325\nseek\n", ""},
        {false, "switch_ratio", "switch_ratio 2.34999990463257\nseek\n", ""},
        {false, "switch_ratio", "switch_ratio 0\nseek\n", "Tick 2 0"},
        {true, "pause", "pausing_keep mute 1\npausing_keep pause\n", "Status 5"},
        {true, "frame_step", "pausing_keep frame_step\npausing_keep seek\n", ""},
        {true, "pause", "mute 0\n", "SetPlayingButtons 1"},
        {false, "frame_step", "pausing_keep pause\n", "Status 5"}, // while playing it pauses
        {false, "play", "pause\n", "Status 3"},
        // A volume change waits for resume or unmute.
        {false, "pause", "pausing_keep pause\n", "SetPlayingButtons 0"},
        {false, "volume 20 1", "", "Volume 20"},
        {false, "play", "volume 20 1\n", ""},
        {false, "mute", "mute 1\nseek\n", "Mute 1"},
        {false, "volume 30 1", "", ""},
        {false, "mute", "volume 30 1\nseek\n", "Mute 0"}, // the volume also unmutes
        {false, "pause", "pausing_keep pause\n", ""},
        {false, "mute", "", "Mute 1"}, // while paused, resuming applies the mute state
        {true, "play", "mute 1\n", ""},
    };
    for (const auto &row : rows) {
        settings.Options.MuteOnPauseSeek = row.muteOnPauseSeek;
        EXPECT_EQ(Run(row.text), row.written) << row.text;
        EXPECT_TRUE(!*row.call || host.Called(row.call)) << row.text << " " << row.call;
    }
    // A pause while the media opens is kept, and taken once it plays.
    core.Restart();
    EXPECT_EQ(state.Status, PlaybackStatus::Opening);
    EXPECT_EQ(Run("pause"), "");
    EXPECT_TRUE(state.Paused);
    Lines({"Starting playback..."});
    EXPECT_TRUE(Written().startsWith("pausing_keep mute 1\npausing_keep pause\n"));
    EXPECT_EQ(state.Status, PlaybackStatus::Paused);
}

TEST_F(CommandsTest, SubtitlePathsAreNeverSplitOrInjected)
{
    EXPECT_TRUE(core.LoadSubtitle(QStringLiteral("/s/my \"best\" subs.srt")));
    EXPECT_EQ(Written(), "sub_load \"/s/my \\\"best\\\" subs.srt\"\n");
    EXPECT_EQ(state.SubtitleFiles, "/s/my \"best\" subs.srt");
    written.clear();
    EXPECT_TRUE(core.LoadSubtitle(DecodeFileName("/s/\xe9t\xe9.srt"))); // the bytes, not UTF-8 of them
    EXPECT_EQ(Written(), "sub_load \"/s/\xe9t\xe9.srt\"\n");
    written.clear();
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/a.srt\nquit")));
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/a.srt\rquit")));
    EXPECT_TRUE(written.isEmpty());
    EXPECT_TRUE(host.Log.last().startsWith("Subtitle file refused"));
}

TEST_F(CommandsTest, PreviousEnginesAreOfferedForKillingAndNothingElseRunsMeanwhile)
{
    QProcess left; // an engine left running
    left.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(left.waitForStarted());
    settings.Options.Verbose = true;
    core.SetPreviousEngineFinder([&](qint64) {
        return left.state() == QProcess::Running ? QList<qint64>{left.processId()} : QList<qint64>();
    });
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/b.avi"), EntryKind::File));
    // A bus client's calls, as the question's event loop delivers them.
    host.WhileAsking = [&] {
        for (const char *command : {"next", "play", "stop", "pause", "seek 5"})
            core.ExecuteCommand(command);
        core.PlayEntry(0);
    };
    written.clear();
    core.PlayEntry(1);
    EXPECT_EQ(host.Log.filter("refused: the question about a previous engine is open").size(), 6);
    EXPECT_EQ(playlist.CurrentIndex(), 1);
    EXPECT_TRUE(core.IsRunning());
    EXPECT_EQ(Written(), "quit\n");             // the first run's end; nothing of the refused ones
    EXPECT_EQ(left.state(), QProcess::Running); // answered No
    host.Answer = KillAnswer::Cancel;
    core.PlayEntry(0);
    EXPECT_FALSE(core.IsRunning());
    host.Answer = KillAnswer::Yes;
    core.PlayEntry(0);
    EXPECT_TRUE(left.waitForFinished(2000));
    EXPECT_TRUE(core.IsRunning());
    EXPECT_EQ(host.Calls.filter("Ask mplayer instance detected|kill previous mplayer instance?").size(), 3);
}

TEST_F(CommandsTest, StopEndsTheRunAndSubtitlesNamedWhileNoEngineRuns)
{
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/b.avi"), EntryKind::File));
    Lines({"A:   5.0 V:   5.0 A-V:  0.000 \x1b[J"}); // the terminal's erase code is not shown
    EXPECT_EQ(host.Status, "A:   5.0 V:   5.0 A-V:  0.000 ");
    EXPECT_EQ(Run("stop"), "quit\n");
    EXPECT_EQ(state.Status, PlaybackStatus::Closing);
    End(0);
    EXPECT_EQ(state.Status, PlaybackStatus::Stopped);
    EXPECT_EQ(state.PositionProp.Value, 5);
    Run("stop"); // nothing runs: rewinds the display only
    EXPECT_TRUE(host.Called("Position 0"));
    // Refusals are still in the log after the launch.
    EXPECT_FALSE(core.LoadSubtitle(QStringLiteral("/s/part 1, english.srt")));
    EXPECT_TRUE(core.LoadSubtitle(QStringLiteral("/s/a.srt")));
    core.ExecuteCommand("play"); // the same entry again: with its subtitle
    EXPECT_TRUE(
        host.Log.first().startsWith("Subtitle file refused (comma in its name): /s/part 1, english.srt"));
    EXPECT_TRUE(host.Log.filter("-sub /s/a.srt -identify").size() == 1) << host.Log.join('\n').toStdString();
    Lines({"SUB: Added subtitle file (1): /s/a.srt"});
    EXPECT_EQ(host.Subtitles.Ids, QList<int>({0}));
    // The next entry gets none of it.
    core.ExecuteCommand("next");
    EXPECT_EQ(playlist.CurrentIndex(), 1);
    EXPECT_TRUE(host.Log.filter("-sub ").isEmpty());
}
