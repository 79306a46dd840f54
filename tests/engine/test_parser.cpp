// Engine output lines turned into playback state.
#include "EngineFixture.h"

using ParserTest = EngineFixture;

TEST_F(ParserTest, LinesWhilePlaying)
{
    const struct {
        const char *line;
        float position;
    } rows[] = {
        {"A:  12.3 V:  12.3 A-V:  0.000 ct:  0.000   1/  1 ??% ??% ??,?% 0 0", 12},
        {"A:1234.5 V:1234.5 A-V:  0.000", 1234},
        {"V:   0.5   13/ 13  7%  1%  0.2% 0 0", 0},
        {"A:  -0.1 V:  -0.1 A-V:  0.000", -1},
        {"A:   ??? V:  ???", 0},
        {"A:10000.0 V:10000.0 A-V:  0.000", 10000},
        {"  A: 36000.0 V: 36000.0 A-V:  0.000 ct:  0.000\r", 36000},
    };
    StartPlaying();
    for (const auto &row : rows) {
        Lines({row.line});
        EXPECT_EQ(state.PositionProp.Value, row.position) << row.line;
        EXPECT_EQ(host.Status, QString::fromLatin1(row.line).trimmed());
    }
    Lines({"A:  12.3 V:  12.3", "  =====  PAUSE  =====", "Cache fill:  5.23% (3428 bytes)", "   \r"});
    EXPECT_EQ(host.Status, "Paused|A:  12.3 V:  12.3");
    // Status lines never go to the log, nor empty ones.
    EXPECT_EQ(host.Log, QStringList({"Cache fill:  5.23% (3428 bytes)"}));
    Lines({"Opening video decoder: [ffmpeg] FFmpeg's libavcodec codec family"});
    EXPECT_TRUE(written.isEmpty());
    Lines({"Opening audio decoder: [mpg123] MPEG 1.0/2.0/2.5 layers I, II, III"});
    EXPECT_EQ(Written(), "volume 75 1\n");
    settings.LastSession.Mute = true;
    written.clear();
    Lines({"Opening audio decoder: [ffmpeg] FFmpeg/libavcodec audio decoders"});
    EXPECT_EQ(Written(), "volume 75 1\nmute 0\nmute 1\n");
    // While seeking, status lines do not pull the position back.
    core.ExecuteCommand("seek 500 1");
    Lines({"A:  40.3 V:  40.3 A-V:  0.000"});
    EXPECT_EQ(state.PositionProp.Value, 500);
    EXPECT_EQ(host.Status, "A:  40.3 V:  40.3 A-V:  0.000");
}

TEST_F(ParserTest, VideoOutputLines)
{
    const struct {
        const char *line;
        bool accepted;
        int width, height; // a refused line keeps the size before it
    } rows[] = {
        {"VO: [xv] 720x576 => 1024x576 Planar YV12", true, 1024, 576},
        {"VO: [x11] 320x240 => 320x240 Planar YV12 [zoom]", true, 320, 240},
        {"VO: [xv] 720x576 => 8x8 Planar YV12", false, 320, 240},
        {"VO: [xv] 720x576 => 4096x576 Planar YV12", false, 320, 240},
        {"VO: [xv] 720x576 => wide Planar YV12", false, 320, 240},
        {"VO: [xv] 720x576", false, 320, 240},
    };
    Open();
    for (const auto &row : rows) {
        host.Calls.clear();
        Lines({row.line});
        EXPECT_EQ(state.VideoWidth, row.width) << row.line;
        EXPECT_EQ(state.VideoHeight, row.height) << row.line;
        EXPECT_EQ(host.Called("RevealVideo"), row.accepted) << row.line;
    }
    Lines({"VO: [xv] 720x576 => 1024x576 Planar YV12"});
    EXPECT_FLOAT_EQ(state.VideoAspect, 1.7777778f);
    EXPECT_FLOAT_EQ(settings.LastSession.WinRatio, 1.7777778f);
    EXPECT_EQ(host.Calls.mid(host.Calls.size() - 3),
              QStringList({"SetSizeMode 0 1", "LayoutVideo", "RevealVideo"}));
    core.Restart(); // sized after the video on the first run only
    host.Calls.clear();
    Lines({"VO: [xv] 720x576 => 1024x576 Planar YV12"});
    EXPECT_EQ(host.Calls, QStringList({"ApplyWindowSize", "LayoutVideo", "RevealVideo"}));
}

TEST_F(ParserTest, RelaunchResumesPausedWhereItWas)
{
    settings.Options.MuteOnPauseSeek = false;
    StartPlaying({"ID_LENGTH=100", "ID_SUBTITLE_ID=0", "ID_SUBTITLE_ID=1"});
    Lines({"A:  42.0 V:  42.0 A-V:  0.000"});
    core.ExecuteCommand("sub_select 1");
    core.ExecuteCommand("pause");
    core.Restart();
    written.clear();
    Lines({"Starting playback..."});
    EXPECT_EQ(state.Status, PlaybackStatus::Seeking);
    EXPECT_TRUE(state.Paused);
    EXPECT_EQ(Written(), "pausing_keep pause\npausing_keep sub_select 1\npausing_keep seek\n");
    EXPECT_EQ(core.Queue().Waiting(), QByteArrayList({"seek 42 2"}));
    EXPECT_TRUE(host.Called("MediaOpened"));
}

TEST_F(ParserTest, EndStatusAndAdvance)
{
    const struct {
        bool started;
        int exitCode;
        bool stopped;
        PlaybackStatus status;
        bool advances;
    } rows[] = {
        {true, 0, false, PlaybackStatus::Stopped, true}, {true, 1, false, PlaybackStatus::Error, false},
        {true, -1, false, PlaybackStatus::Error, false}, // ended by a signal
        {false, 0, false, PlaybackStatus::Error, false}, // never started playing
        {true, 0, true, PlaybackStatus::Stopped, false},
    };
    for (const auto &row : rows) {
        playlist.Clear();
        Open(EntryKind::File, "/m/a.avi");
        playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/b.avi"), EntryKind::File));
        if (row.started)
            Lines({"Starting playback..."});
        if (row.stopped)
            core.ExecuteCommand("stop");
        host.Calls.clear();
        End(row.exitCode);
        EXPECT_EQ(host.Calls.filter("Status ").first(), QStringLiteral("Status %1").arg(int(row.status)));
        EXPECT_EQ(playlist.CurrentIndex(), row.advances ? 1 : 0);
        if (row.advances) { // to the last entry, whose end starts nothing
            Lines({"Starting playback..."});
            End(0);
            EXPECT_FALSE(core.IsRunning());
        }
        End(1);
    }
}

TEST_F(ParserTest, DvdDriveIdentification)
{
    Open(EntryKind::DVD, "/dev/sr0");
    // Added while the disc is identified: the drive entry is no longer the last.
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/y.avi"), EntryKind::File));
    // Titles are numbers, each listed once, their entries made from the disc entry.
    Lines({"ID_DVD_TITLES=2", "ID_DVD_TITLE_1_LENGTH=5400.50",
           "ID_DVD_TITLE_ http://127.0.0.1:8765/x_LENGTH=5.0", "ID_DVD_TITLE_1x_LENGTH=5.0",
           "ID_DVD_TITLE_100_LENGTH=5.0", "ID_DVD_TITLE_2_LENGTH=long", "ID_DVD_TITLE_2_LENGTH=95.00",
           "ID_DVD_TITLE_2_LENGTH=7"});
    ASSERT_EQ(playlist.Count(), 4);
    EXPECT_EQ(playlist.Items(0)->Title, "DVD://1 (1:30:00)");
    EXPECT_EQ(playlist.Items(1)->Title, "DVD://2 (01:35)");
    EXPECT_EQ(playlist.Items(2)->Kind, EntryKind::DVD);
    // Absurd lengths are clamped, never converted out of range.
    Lines({"ID_DVD_TITLE_3_LENGTH=5e46", "ID_LENGTH=1e300"});
    EXPECT_EQ(playlist.Items(2)->Length, 1e9f);
    EXPECT_EQ(state.PositionProp.Max, 1e9f);
    playlist.Delete(2);
    Lines({"ID_DVD_DISC_ID=4D1C05B6D2A1C4C8"});
    ASSERT_EQ(playlist.Count(), 3);
    EXPECT_EQ(playlist.Items(2)->Title, "y.avi");
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(host.Called("UpdateDuration"));
}

TEST_F(ParserTest, TagsCannotForgeTheEnginesLines)
{
    // What the engine prints for clips whose tags hold line breaks: in the tag
    // block, and in a stream's name, where no block marks them.
    const QByteArrayList forged = {"ID_DVD_TITLE_ http://127.0.0.1:8765/x_LENGTH=5.0",
                                   "ID_DVD_TITLE_1_LENGTH=5.0",
                                   "ID_DVD_DISC_ID=1",
                                   "ID_EXIT=EOF",
                                   "Exiting... (End of file)",
                                   "Starting playback...",
                                   "ANS_LENGTH=3",
                                   "ID_AUDIO_ID=7000",
                                   "ID_AUDIO_ID=x",
                                   "ID_AID_0_LANG=\x1b[31mevil",
                                   "ID_SUBTITLE_ID=900",
                                   "SUB: Added subtitle file (1): /evil.srt",
                                   "ID_LENGTH=99999"};
    Open(EntryKind::File, "/m/t.mkv");
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/dev/sr0"), EntryKind::DVD));
    Lines({"ID_AUDIO_ID=0", "Clip info:", " title: Holiday"});
    Lines(forged);
    Lines({"ID_CLIP_INFO_N=1", "ID_AID_0_NAME=Holiday"});
    Lines(forged);
    Lines({"ID_AUDIO_ID=1", "ID_LENGTH=8.03"});
    EXPECT_EQ(playlist.Count(), 2); // no title added, the drive entry kept
    EXPECT_EQ(playlist.Items(1)->Kind, EntryKind::DVD);
    EXPECT_EQ(host.Audio.Ids, QList<int>({0, 7000, 1})); // a forged id hides no real one
    EXPECT_EQ(host.Audio.Names.first(), QStringLiteral("[31mevil \u2013 Holiday"));
    EXPECT_EQ(host.Subtitles.Ids, QList<int>({900}));
    EXPECT_EQ(state.PositionProp.Max, 8); // the engine's own length comes last
    written.clear();
    Lines({"Starting playback..."}); // the first one counted: this one is not
    EXPECT_TRUE(written.isEmpty());
    core.Restart();
    Lines({"Exiting... (End of file)"}); // before playback: not the end
    EXPECT_EQ(state.PositionProp.Value, 0);
}
