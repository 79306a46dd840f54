// Output recorded from the real MPlayer 1.5 on the test DVD and Matroska file
// (tests/media/make_test_media.sh), replayed through the parser.
#include "EngineFixture.h"

namespace {
using DvdLinesTest = EngineFixture;

// "mplayer -identify -dvd-device dvd dvd://" up to the start of playback.
const char *const DiscRun[] = {
    "Playing dvd://.",
    "libdvdread: Encrypted DVD support unavailable.************************************************",
    "ID_DVD_TITLES=2",
    "ID_DVD_TITLE_1_CHAPTERS=1",
    "ID_DVD_TITLE_1_ANGLES=1",
    "ID_DVD_TITLE_2_CHAPTERS=1",
    "ID_DVD_TITLE_2_ANGLES=1",
    "ID_DVD_TITLE_1_LENGTH=8.000",
    "ID_DVD_TITLE_2_LENGTH=5.000",
    "ID_DVD_DISC_ID=51FDA5122597A47280D45FC273E77722",
    "There are 2 titles on this DVD.",
    "ID_DVD_CURRENT_TITLE=1",
    "There are 1 angles in this DVD title.",
    "audio stream: 0 format: ac3 (mono) language: en aid: 128.",
    "ID_AUDIO_ID=128",
    "ID_AID_128_LANG=en",
    "number of audio channels on disk: 1.",
    "subtitle ( sid ): 0 language: en",
    "ID_SUBTITLE_ID=0",
    "ID_SID_0_LANG=en",
    "number of subtitles on disk: 1",
    "ID_VIDEO_ID=0",
    "ID_AUDIO_ID=128",
    "ID_LENGTH=8.00",
    "Opening audio decoder: [ffmpeg] FFmpeg/libavcodec audio decoders",
    "Starting playback...",
    "VO: [x11] 720x576 => 1024x576 Planar YV12 ",
    "ID_SUBTITLE_ID=0",
};

// "mplayer -dvd-device dvd dvd://2": a title run prints its streams without "ID_" keys.
const char *const SecondTitleRun[] = {
    "Playing dvd://2.",
    "There are 2 titles on this DVD.",
    "There are 1 angles in this DVD title.",
    "audio stream: 0 format: ac3 (mono) language: en aid: 128.",
    "audio stream: 1 format: ac3 (mono) language: fr aid: 129.",
    "number of audio channels on disk: 2.",
    "number of subtitles on disk: 0",
    "Starting playback...",
};

// "mplayer -identify multi.mkv", the stream part.
const char *const MatroskaRun[] = {
    "ID_AUDIO_ID=0",    "ID_AID_0_LANG=eng", "[lavf] stream 1: audio (mp3float), -aid 0, -alang eng",
    "ID_AUDIO_ID=1",    "ID_AID_1_LANG=fre", "[lavf] stream 2: audio (mp3float), -aid 1, -alang fre",
    "ID_SUBTITLE_ID=0", "ID_SID_0_LANG=ger", "[lavf] stream 3: subtitle (srt), -sid 0, -slang ger",
    "ID_LENGTH=8.03",
};
} // namespace

TEST_F(DvdLinesTest, DiscRunBecomesItsFirstTitle)
{
    TPlItem drive = TZorviPlaylist::MakeItem(QStringLiteral("/m/dvd"), EntryKind::DVD);
    playlist.AddItem(drive);
    playlist.SetCurrent(0);
    StartRun();
    core.Status = PlaybackStatus::Opening;
    core.FirstOpen = true;
    core.OpenMode = EntryKind::DVD;
    core.MediaURL = drive.Path;
    core.DisplayName = drive.Title;
    for (const char *line : DiscRun)
        core.ProcessLine(line);

    ASSERT_EQ(playlist.Count(), 2);
    EXPECT_EQ(playlist.Items(0)->Title, "DVD://1 (00:08)");
    EXPECT_EQ(playlist.Items(1)->Title, "DVD://2 (00:05)");
    EXPECT_EQ(playlist.Items(1)->Path, "-dvd-device /m/dvd dvd://2");
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    // The run now belongs to the first title, which the engine plays.
    EXPECT_EQ(core.OpenMode, EntryKind::DVDTitle);
    EXPECT_EQ(core.MediaURL, "-dvd-device /m/dvd dvd://1");
    EXPECT_EQ(core.DisplayName, "DVD://1 (00:08)");
    EXPECT_TRUE(host.Called("ShowMediaTitle DVD://1 (00:08)"));
    EXPECT_EQ(core.PositionProp.Max, 8);
    // Streams named from the title lines, not listed again by the "ID_" keys.
    EXPECT_EQ(host.AudioItems, QList<int>({128, -100}));
    EXPECT_EQ(host.AudioNames.first(), "en");
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.first(), "en");
    EXPECT_EQ(core.AudioTrackProp.Min, 128);

    const int calls = int(host.Calls.size());
    core.SimulateEnd(0);
    EXPECT_EQ(core.Status, PlaybackStatus::Stopped);
    EXPECT_EQ(playlist.CurrentIndex(), 0); // the end of a title does not advance
    EXPECT_TRUE(host.Calls.mid(calls).filter("PrepareMediaDisplay").isEmpty());
}

TEST_F(DvdLinesTest, TitleRunListsItsAudioStreams)
{
    StartRun();
    core.FirstOpen = true;
    core.OpenMode = EntryKind::DVDTitle;
    for (const char *line : SecondTitleRun)
        core.ProcessLine(line);
    EXPECT_EQ(host.AudioItems, QList<int>({128, 129, -100}));
    EXPECT_EQ(host.AudioNames.mid(0, 2), QStringList({"en", "fr"}));
    EXPECT_EQ(host.SubtitleItems.size(), 3);
}

TEST_F(DvdLinesTest, SubtitleNumbersFollowTheEngine)
{
    // Two streams of the media (0, 1) and two files loaded at run time (2, 3):
    // the engine counts the files first.
    StartRun();
    core.FirstOpen = true;
    Lines({"ID_SUBTITLE_ID=0", "ID_SID_0_LANG=ger", "ID_SUBTITLE_ID=1", "ID_SID_1_LANG=eng"});
    core.ProcessLine("Starting playback...");
    core.ProcessLine("Command seek requires at least 1 arguments, we found only 0 so far.");
    written.clear();
    core.LoadSubtitle(QStringLiteral("/m/a.srt"));
    core.ProcessLine("SUB: Added subtitle file (1): /m/a.srt");
    core.LoadSubtitle(QStringLiteral("/m/b.srt"));
    core.ProcessLine("SUB: Added subtitle file (2): /m/b.srt");
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, 1, 2, 3, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.mid(0, 4), QStringList({"ger", "eng", "a.srt", "b.srt"}));
    EXPECT_EQ(Written(), "sub_load \"/m/a.srt\"\nsub_select 0\nsub_load \"/m/b.srt\"\nsub_select 1\n");

    const struct {
        int ours, engine;
    } rows[] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}, {-1, -1}};
    for (const auto &row : rows) {
        written.clear();
        core.SubtitleTrackProp.Value = float(row.ours);
        core.SubtitleTrackProp.SendNow();
        EXPECT_EQ(Written(), "sub_select " + QByteArray::number(row.engine) + "\n") << row.ours;
    }
}

TEST_F(DvdLinesTest, MatroskaStreamsAndAFileNamedBeforeTheLaunch)
{
    StartRun();
    core.Status = PlaybackStatus::Opening;
    core.FirstOpen = true;
    for (const char *line : MatroskaRun)
        core.ProcessLine(line);
    core.ProcessLine("SUB: Added subtitle file (1): /m/external.srt");
    EXPECT_EQ(host.AudioItems, QList<int>({0, 1, -100}));
    EXPECT_EQ(host.AudioNames.mid(0, 2), QStringList({"eng", "fre"}));
    EXPECT_EQ(host.SubtitleItems, QList<int>({0, 1, -101, -102, -103}));
    EXPECT_EQ(host.SubtitleNames.mid(0, 2), QStringList({"ger", "external.srt"}));
    EXPECT_EQ(core.PositionProp.Max, 8);
    // The file came with "-sub": it is the one shown once playback starts.
    written.clear();
    core.ProcessLine("Starting playback...");
    EXPECT_EQ(core.SubtitleTrackProp.Value, 1);
    EXPECT_TRUE(Written().startsWith("sub_select 0\n")) << Written().toStdString();
}
