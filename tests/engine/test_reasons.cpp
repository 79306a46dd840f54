// What the engine's output says of failures, tags and tracks, as the window reads it.
#include "EngineFixture.h"

using ReasonsTest = EngineFixture;

TEST_F(ReasonsTest, FailureLinesNameTheReasonUntilPlaybackStarts)
{
    using P = EngineProblem;
    const struct {
        QByteArrayList lines;
        bool starts;
        P shown;
    } rows[] = {
        {{"File not found: '/m/gone.avi'", "Failed to open /m/gone.avi."}, false, P::FileNotFound},
        {{"LAVF_header: av_open_input_stream() failed"}, false, P::Unreadable},
        {{"No stream found to handle url ftp://x"}, false, P::Unreadable},
        {{"Couldn't resolve name for AF_INET6: h", "Couldn't resolve name for AF_INET: h"},
         false,
         P::HostNotFound},
        {{"connect error: Connection refused"}, false, P::NoConnection},
        {{"Server returned 404:File not found"}, false, P::ServerRefused},
        {{"Exiting... (End of file)"}, false, P::Failed},
        {{"Cannot find codec matching selected -vo and video format 0x5A5A5A5A."}, true, P::NoVideoCodec},
        {{"Cannot find codec for audio format 0x7777."}, true, P::NoAudioCodec},
        // Text that only looks like a failure does not hold back a run that plays.
        {{"Clip info:", " Title: x", "File not found: 'y'", "ID_CLIP_INFO_N=1"}, true, P::None},
        {{"File not found: 'y'"}, true, P::None},
    };
    for (const auto &row : rows) {
        Open();
        Lines(row.lines);
        if (row.starts)
            Lines({"Starting playback..."});
        End(0);
        EXPECT_EQ(state.Problem, row.shown) << row.lines.join('|').constData();
    }
    // The reason stays while the next entry opens and goes when it plays; a
    // run left for another entry is no failure.
    Open();
    Lines({"File not found: 'z'"});
    End(0);
    Open();
    Open();
    EXPECT_EQ(state.Problem, P::FileNotFound);
    Lines({"Starting playback..."});
    EXPECT_EQ(state.Problem, P::None);
}

TEST_F(ReasonsTest, TagsAndTrackNamesAreReadBoundedAndOnlyWhereTheEngineWritesThem)
{
    Open(EntryKind::File, "/m/song.mkv");
    Lines({"ID_CLIP_INFO_NAME0=title", "ID_CLIP_INFO_VALUE0=Outside", "Clip info:",
           "ID_CLIP_INFO_NAME0=title", "ID_CLIP_INFO_VALUE0=S\x01\x1b\x7fång", "ID_CLIP_INFO_NAME1=ARTIST",
           "ID_CLIP_INFO_VALUE1=" + QByteArray(3000, 'a'), "ID_CLIP_INFO_NAME99=album",
           "ID_CLIP_INFO_VALUE99=Far", "ID_CLIP_INFO_NAME2=Title", "ID_CLIP_INFO_VALUE2=Second",
           "ID_CLIP_INFO_N=3", "ID_CLIP_INFO_NAME3=album", "ID_CLIP_INFO_VALUE3=After the block"});
    EXPECT_EQ(state.Tags.Title, QStringLiteral("Sång"));
    EXPECT_EQ(state.Tags.Artist, QString(128, u'a'));
    EXPECT_TRUE(state.Tags.Album.isEmpty());
    Lines({"ID_AUDIO_ID=0", "ID_AID_0_LANG=eng", "ID_AID_0_NAME=Director", "ID_AID_7_LANG=fra",
           "[lavf] stream 1: audio (" + QByteArray(300, 'c') + "), -aid 0, -alang eng, Director",
           "ID_AUDIO_ID=1", "ID_AID_1_LANG=xx-evil"});
    EXPECT_EQ(host.Audio.Names,
              QStringList({QStringLiteral("English (eng) \u2013 Director [cccccccccccccccc]"), "xx-evil"}));
    Open(EntryKind::File, "/m/other.mkv");
    EXPECT_TRUE(state.Tags.IsEmpty());
}
