// Engine output lines turned into playback state.
#include "EngineFixture.h"

using ParserTest = EngineFixture;

TEST_F(ParserTest, StatusLinePositions)
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
        {"A:9999.9 V:9999.9 A-V:  0.000", 9999},
        {"A:10000.0 V:10000.0 A-V:  0.000", 10000},
        {"A:12345.6 V:12345.6 A-V:  0.000", 12345},
        {"  A: 36000.0 V: 36000.0 A-V:  0.000 ct:  0.000\r", 36000},
    };
    StartPlaying();
    for (const auto &row : rows) {
        core.ProcessLine(row.line);
        EXPECT_EQ(core.PositionProp.Value, row.position) << row.line;
        EXPECT_EQ(host.Status, QString::fromLatin1(row.line).trimmed());
    }
    EXPECT_TRUE(host.Log.isEmpty()); // status lines never go to the log
}

TEST_F(ParserTest, StatusLinesIgnoredWhileSeeking)
{
    StartPlaying();
    core.ProcessLine("A:  12.3 V:  12.3 A-V:  0.000");
    core.SetStatus(PlaybackStatus::Seeking);
    core.ProcessLine("A:  40.3 V:  40.3 A-V:  0.000");
    EXPECT_EQ(core.PositionProp.Value, 12);
    EXPECT_EQ(host.Status, "A:  40.3 V:  40.3 A-V:  0.000");
}

TEST_F(ParserTest, PauseMarkerAndCacheFill)
{
    StartPlaying();
    core.ProcessLine("A:  12.3 V:  12.3");
    core.ProcessLine("  =====  PAUSE  =====");
    EXPECT_EQ(host.Status, "Paused|A:  12.3 V:  12.3");
    core.ProcessLine("Cache fill:  5.23% (3428 bytes)");
    EXPECT_EQ(host.Log, QStringList({"Cache fill:  5.23% (3428 bytes)"}));
    core.ProcessLine("   \r");
    EXPECT_EQ(host.Log.size(), 1);
}

TEST_F(ParserTest, VideoOutputLines)
{
    const struct {
        const char *line;
        bool accepted;
        int width, height;
    } rows[] = {
        {"VO: [xv] 720x576 => 1024x576 Planar YV12", true, 1024, 576},
        {"VO: [x11] 320x240 => 320x240 Planar YV12 [zoom]", true, 320, 240},
        {"VO: [xv] 720x576 => 8x8 Planar YV12", false, 0, 0},
        {"VO: [xv] 720x576 => 4096x576 Planar YV12", false, 0, 0},
        {"VO: [xv] 720x576 => wide Planar YV12", false, 0, 0},
        {"VO: [xv] 720x576", false, 0, 0},
    };
    for (const auto &row : rows) {
        StartRun();
        core.FirstOpen = true;
        core.VideoWidth = core.VideoHeight = 0;
        host.Calls.clear();
        core.ProcessLine(row.line);
        EXPECT_EQ(core.VideoWidth, row.width) << row.line;
        EXPECT_EQ(core.VideoHeight, row.height) << row.line;
        EXPECT_EQ(host.Called("RevealVideo"), row.accepted) << row.line;
    }
    StartRun();
    core.ProcessLine("VO: [xv] 720x576 => 1024x576 Planar YV12");
    EXPECT_FLOAT_EQ(core.VideoAspect, 1.7777778f);
    EXPECT_FLOAT_EQ(settings.LastSession.WinRatio, 1.7777778f);
    EXPECT_EQ(host.Calls.mid(host.Calls.size() - 3),
              QStringList({"SetSizeMode 0 1", "LayoutVideo", "RevealVideo"}));
    core.FirstOpen = false;
    host.Calls.clear();
    core.ProcessLine("VO: [xv] 720x576 => 1024x576 Planar YV12");
    EXPECT_EQ(host.Calls, QStringList({"ApplyWindowSize", "LayoutVideo", "RevealVideo"}));
}

TEST_F(ParserTest, StartOfPlaybackResumesAndReselects)
{
    StartRun();
    core.PositionProp.Max = 100;
    core.PositionProp.Value = 42; // a relaunch resumes here
    core.SubtitleTrackProp.Max = 1;
    core.SubtitleTrackProp.Value = 1;
    core.Paused = true;
    settings.Options.MuteOnPauseSeek = false;
    core.ProcessLine("Starting playback...");
    EXPECT_EQ(core.Status, PlaybackStatus::Seeking);
    EXPECT_TRUE(core.Paused);
    EXPECT_EQ(Written(), "pausing_keep pause\npausing_keep sub_select 1\npausing_keep seek\n");
    EXPECT_EQ(core.CommandQueue, QByteArrayList({"seek 42 2"}));
    EXPECT_TRUE(host.Called("MediaOpened"));
    EXPECT_TRUE(host.Called("Tick Subtitle 1"));
}

TEST_F(ParserTest, AudioDecoderSendsVolume)
{
    StartPlaying();
    core.ProcessLine("Opening video decoder: [ffmpeg] FFmpeg's libavcodec codec family");
    EXPECT_TRUE(written.isEmpty());
    core.ProcessLine("Opening audio decoder: [mpg123] MPEG 1.0/2.0/2.5 layers I, II, III");
    EXPECT_EQ(Written(), "volume 75 1\n");
    settings.LastSession.Mute = true;
    written.clear();
    core.ProcessLine("Opening audio decoder: [ffmpeg] FFmpeg/libavcodec audio decoders");
    EXPECT_EQ(Written(), "volume 75 1\nmute 0\nmute 1\n");
}

TEST_F(ParserTest, IdentificationBuildsTrackMenus)
{
    StartRun();
    core.FirstOpen = true;
    core.AudioTrackProp.Min = core.AudioTrackProp.Max = core.AudioTrackProp.Value = -1;
    Lines({"ID_AUDIO_ID=1", "ID_AID_1_LANG=eng", "ID_AUDIO_ID=2", "ID_AID_2_LANG=ger", "ID_AUDIO_ID=1",
           "ID_AUDIO_ID=x", "ID_SUBTITLE_ID=0", "ID_SID_0_LANG=fre", "ID_LENGTH=5400.00"});
    EXPECT_EQ(core.AudioTrackProp.Min, 1);
    EXPECT_EQ(core.AudioTrackProp.Max, 2);
    EXPECT_EQ(host.AudioItems, QList<int>({1, 2, -100}));
    EXPECT_EQ(host.AudioNames, QStringList({"eng", "ger", ""}));
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.first(), "fre");
    EXPECT_EQ(core.PositionProp.Max, 5400);
    EXPECT_EQ(host.Log.size(), 9);

    core.FirstOpen = false; // a relaunch adds nothing again
    Lines({"ID_AUDIO_ID=3", "ID_SUBTITLE_ID=4"});
    EXPECT_EQ(host.AudioItems.size(), 3);
    EXPECT_EQ(host.SubtitleItems.size(), 4);
}

TEST_F(ParserTest, SubtitleFileAddedAndSelected)
{
    StartPlaying();
    core.FirstOpen = false;
    core.ProcessLine("SUB: Added subtitle file (1): /tmp/subs/film.srt");
    EXPECT_TRUE(host.Calls.isEmpty()); // not asked for: ignored on a relaunch
    core.LoadSubtitle(QStringLiteral("/tmp/subs/film.srt"));
    EXPECT_EQ(core.SubtitleTrackProp.Value, 0);
    written.clear();
    core.ProcessLine("SUB: Added subtitle file (1): /tmp/subs/film.srt");
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.first(), "film.srt");
    EXPECT_EQ(Written(), "sub_select 0\n");
    EXPECT_TRUE(host.Called("Tick Subtitle 0"));
}

TEST_F(ParserTest, EndOfFileRewindsAfterTheEngineEnded)
{
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/a.avi"), EntryKind::File));
    playlist.SetCurrent(0);
    StartPlaying();
    core.PositionProp.Max = 10;
    core.ProcessLine("A:   9.7 V:   9.7");
    core.ProcessLine("Exiting... (End of file)");
    EXPECT_EQ(core.PositionProp.Value, 10);
    core.SimulateEnd(0);
    EXPECT_EQ(core.Status, PlaybackStatus::Stopped);
    EXPECT_EQ(core.PositionProp.Value, 0);
    EXPECT_TRUE(host.Called("HideVideo"));
    EXPECT_TRUE(host.Called("Position 0"));
}

TEST_F(ParserTest, EndStatusTable)
{
    const struct {
        bool started;
        int exitCode;
        bool stopping;
        PlaybackStatus status;
    } rows[] = {
        {true, 0, false, PlaybackStatus::Stopped}, {true, 1, false, PlaybackStatus::Error},
        {true, -1, false, PlaybackStatus::Error}, // ended by a signal
        {false, 0, false, PlaybackStatus::Error}, // never started playing
        {true, 0, true, PlaybackStatus::Stopped},
    };
    for (const auto &row : rows) {
        StartRun();
        core.SetStatus(PlaybackStatus::Opening);
        if (row.started)
            core.ProcessLine("Starting playback...");
        core.Stopping = row.stopping;
        core.SimulateEnd(row.exitCode);
        EXPECT_EQ(core.Status, row.status) << row.exitCode;
        EXPECT_FALSE(core.Stopping);
    }
}

TEST_F(ParserTest, DvdDriveIdentification)
{
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/x.avi"), EntryKind::File));
    TPlItem drive;
    drive.Kind = EntryKind::DVD;
    drive.Path = "-dvd-device /dev/sr0 dvd://";
    drive.Title = "Loading DVD /dev/sr0";
    playlist.AddItem(drive);
    playlist.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/m/y.avi"), EntryKind::File));
    StartRun();
    core.FirstOpen = true;
    core.OpenMode = EntryKind::DVD;
    core.MediaURL = drive.Path;
    Lines({"ID_DVD_TITLES=2", "ID_DVD_TITLE_1_LENGTH=5400.50", "ID_DVD_TITLE_2_LENGTH=95.00"});
    ASSERT_EQ(playlist.Count(), 5);
    EXPECT_EQ(playlist.Items(1)->Title, "DVD://1 (1:30:00)");
    EXPECT_EQ(playlist.Items(1)->Path, "-dvd-device /dev/sr0 dvd://1");
    EXPECT_FLOAT_EQ(playlist.Items(1)->Length, 5400.5f);
    EXPECT_EQ(playlist.Items(2)->Title, "DVD://2 (01:35)");
    EXPECT_EQ(playlist.Items(3)->Kind, EntryKind::DVD);
    // The drive entry goes wherever it stands, not blindly the last entry.
    core.ProcessLine("ID_DVD_DISC_ID=4D1C05B6D2A1C4C8");
    ASSERT_EQ(playlist.Count(), 4);
    EXPECT_EQ(playlist.Items(3)->Title, "y.avi");
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(host.Called("UpdateDuration"));
}

TEST_F(ParserTest, DvdTitleStreams)
{
    StartRun();
    core.FirstOpen = true;
    core.OpenMode = EntryKind::DVDTitle;
    Lines({"audio stream: 0 format: ac3 (5.1) language: en aid: 128.",
           "audio stream: 1 format: ac3 (stereo) language: de aid: 129.",
           "audio stream: 1 format: ac3 (stereo) language: de aid: 129.", "subtitle ( sid ): 0 language: en",
           "subtitle ( sid ): 1 language: fr", "ID_AUDIO_ID=7"});
    EXPECT_EQ(host.AudioItems, QList<int>({128, 129, -100}));
    EXPECT_EQ(host.AudioNames, QStringList({"en", "de", ""}));
    EXPECT_EQ(core.AudioTrackProp.Min, 128);
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, 1, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.mid(0, 2), QStringList({"en", "fr"}));
}

TEST_F(ParserTest, LanguageLinesWithoutTrackItemsAreSafe)
{
    StartRun();
    core.FirstOpen = true;
    host.AudioItems.clear();
    host.AudioNames.clear();
    host.SubtitleItems = {1};
    Lines({"ID_AID_1_LANG=eng", "ID_SID_0_LANG=fre", "ID_DVD_DISC_ID=1234"});
    EXPECT_EQ(playlist.Count(), 0);
}
