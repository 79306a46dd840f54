// Output recorded from the real MPlayer 1.5 on the test DVD and Matroska file
// (tests/media/make_test_media.sh), replayed through the parser.
#include "EngineFixture.h"

namespace {
using DvdLinesTest = EngineFixture;

// "mplayer -identify multi.mkv", the stream part.
const QByteArrayList MatroskaRun = {
    "ID_AUDIO_ID=0",    "ID_AID_0_LANG=eng", "[lavf] stream 1: audio (mp3float), -aid 0, -alang eng",
    "ID_AUDIO_ID=1",    "ID_AID_1_LANG=fre", "[lavf] stream 2: audio (mp3float), -aid 1, -alang fre",
    "ID_SUBTITLE_ID=0", "ID_SID_0_LANG=ger", "[lavf] stream 3: subtitle (srt), -sid 0, -slang ger",
    "ID_LENGTH=8.03",
};
} // namespace

TEST_F(DvdLinesTest, SubtitleNumbersFollowTheEngine)
{
    // Two streams of the media (0, 1) and two files loaded at run time (2, 3):
    // the engine counts the files first.
    StartPlaying({"ID_SUBTITLE_ID=0", "ID_SID_0_LANG=ger", "ID_SUBTITLE_ID=1", "ID_SID_1_LANG=eng"});
    core.LoadSubtitle(QStringLiteral("/m/a.srt"));
    Lines({"SUB: Added subtitle file (1): /m/a.srt"});
    core.LoadSubtitle(QStringLiteral("/m/b.srt"));
    Lines({"SUB: Added subtitle file (2): /m/b.srt"});
    EXPECT_EQ(host.Subtitles.Ids, QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(host.Subtitles.Names, QStringList({"German (ger)", "English (eng)", "a.srt", "b.srt"}));
    EXPECT_EQ(Written(), "sub_load \"/m/a.srt\"\nsub_select 0\nsub_load \"/m/b.srt\"\nsub_select 1\n");

    const struct {
        int ours, engine;
    } rows[] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}, {-1, -1}};
    for (const auto &row : rows) {
        written.clear();
        core.ExecuteCommand(QStringLiteral("sub_select %1").arg(row.ours));
        Lines({kProbeAnswer});
        EXPECT_EQ(written.first(), "sub_select " + QByteArray::number(row.engine) + "\n") << row.ours;
    }
}

TEST_F(DvdLinesTest, MatroskaStreamsAndAFileNamedBeforeTheLaunch)
{
    core.LoadSubtitle(QStringLiteral("/m/external.srt"));
    Open();
    Lines(MatroskaRun);
    // The engine reports the file right after the clip's tags.
    Lines({"Clip info:", " title: Holiday", "SUB: Added subtitle file (1): /m/external.srt"});
    EXPECT_EQ(host.Audio.Ids, QList<int>({0, 1}));
    EXPECT_EQ(host.Audio.Names, QStringList({"English (eng) [mp3float]", "French (fre) [mp3float]"}));
    EXPECT_EQ(host.Subtitles.Ids, QList<int>({0, 1}));
    EXPECT_EQ(host.Subtitles.Names, QStringList({"German (ger) [srt]", "external.srt"}));
    EXPECT_EQ(state.PositionProp.Max, 8);
    // The file came with "-sub": it is the one shown once playback starts.
    written.clear();
    Lines({"Starting playback..."});
    EXPECT_EQ(state.SubtitleTrackProp.Value, 1);
    EXPECT_TRUE(Written().startsWith("sub_select 0\n")) << Written().toStdString();
    core.Restart(); // identification lines are ignored on a relaunch
    Lines({"ID_AUDIO_ID=3", "ID_SUBTITLE_ID=4", "SUB: Added subtitle file (1): /m/external.srt"});
    EXPECT_EQ(host.Audio.Ids, QList<int>({0, 1}));
    EXPECT_EQ(host.Subtitles.Ids, QList<int>({0, 1}));
}
