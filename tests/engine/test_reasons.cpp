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
        {{"Server returned 404:File not found", "Failed to parse header."}, false, P::ServerRefused},
        {{"Exiting... (End of file)"}, false, P::Failed},
        {{"Cannot find codec matching selected -vo and video format 0x5A5A5A5A.", "Video: no video"},
         true,
         P::NoVideoCodec},
        {{"Cannot find codec for audio format 0x7777."}, true, P::NoAudioCodec},
        // Text that only looks like a failure does not hold back the run that plays.
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
        EXPECT_EQ(state.Status, row.starts ? PlaybackStatus::Stopped : PlaybackStatus::Error);
    }
    // The reason stays while the next entry opens, and goes when it plays.
    Open();
    Lines({"File not found: 'z'"});
    End(0);
    Open();
    EXPECT_EQ(state.Problem, P::FileNotFound);
    Lines({"Starting playback..."});
    EXPECT_EQ(state.Problem, P::None);
    // A run left for another entry while it opened is no failure.
    Open();
    Open();
    EXPECT_EQ(state.Problem, P::None);
}

TEST_F(ReasonsTest, NoSoundDeviceFallsBackToNoSoundOnce)
{
    const QByteArrayList noDevice = {"Failed to initialize audio driver 'alsa'",
                                     "Could not open/initialize audio device -> no sound.",
                                     "Audio: no sound"};
    auto commandLine = [&] { return host.Log.filter("mplayer").filter("-ao").value(0); };
    Open(EntryKind::File, "/m/song.mp3");
    EXPECT_TRUE(commandLine().contains("-ao pulse,alsa"));
    // Sound alone and no device for it: played again at once, without sound.
    Lines(noDevice + QByteArrayList{"Video: no video"});
    End(0);
    EXPECT_TRUE(core.IsRunning());
    EXPECT_TRUE(commandLine().contains("-ao null"));
    Lines({"Video: no video", "Starting playback..."});
    EXPECT_EQ(state.Problem, EngineProblem::NoSoundDevice);
    EXPECT_EQ(state.Status, PlaybackStatus::Playing);
    // Said once: the later runs go without sound from the start.
    EXPECT_EQ(host.Log.filter("No sound device").size(), 1);
    Open(EntryKind::File, "/m/film.avi");
    EXPECT_TRUE(commandLine().contains("-ao null"));
    Lines({"Starting playback..."});
    EXPECT_EQ(state.Problem, EngineProblem::None);
}

TEST_F(ReasonsTest, TagsAreReadOnlyInsideTheClipInfoBlockAndBounded)
{
    Open(EntryKind::File, "/m/song.flac");
    Lines({"ID_CLIP_INFO_NAME0=title", "ID_CLIP_INFO_VALUE0=Outside", "Clip info:", " title: Sång",
           "ID_CLIP_INFO_NAME0=title", "ID_CLIP_INFO_VALUE0=S\x01\x1b\x7fång", "ID_CLIP_INFO_NAME1=ARTIST",
           "ID_CLIP_INFO_VALUE1=" + QByteArray(3000, 'a'), "ID_CLIP_INFO_NAME99=album",
           "ID_CLIP_INFO_VALUE99=Too far", "ID_CLIP_INFO_VALUE5=Unnamed", "ID_CLIP_INFO_NAME2=Title",
           "ID_CLIP_INFO_VALUE2=Second title", "ID_CLIP_INFO_N=3", "ID_CLIP_INFO_NAME3=album",
           "ID_CLIP_INFO_VALUE3=After the block"});
    EXPECT_EQ(state.Tags.Title, QStringLiteral("Sång"));
    EXPECT_EQ(state.Tags.Artist, QString(128, u'a'));
    EXPECT_TRUE(state.Tags.Album.isEmpty());
    EXPECT_TRUE(host.Called("UpdateMediaNotes"));
    // Kept on a relaunch, gone with the next entry.
    core.Restart();
    EXPECT_FALSE(state.Tags.IsEmpty());
    Open(EntryKind::File, "/m/other.flac");
    EXPECT_TRUE(state.Tags.IsEmpty());
}

TEST_F(ReasonsTest, TracksAreNamedByLanguageTitleAndCodec)
{
    Open(EntryKind::File, "/m/two.mkv");
    Lines({"ID_AUDIO_ID=0", "ID_AID_0_LANG=eng", "ID_AID_0_NAME=Director",
           "[lavf] stream 1: audio (mp3float), -aid 0, -alang eng, Director", "ID_AUDIO_ID=1",
           "ID_AID_1_LANG=deu", "[lavf] stream 2: audio (ac3), -aid 1, -alang deu", "ID_AUDIO_ID=2",
           "ID_AID_2_LANG=xx-evil", "ID_AID_7_LANG=fra", "ID_SUBTITLE_ID=0", "ID_SID_0_LANG=fre",
           "[lavf] stream 3: subtitle (subrip), -sid 0, -slang fre",
           "[lavf] stream 4: audio (" + QByteArray(300, 'c') + "), -aid 2"});
    EXPECT_EQ(host.Audio.Names, QStringList({QStringLiteral("English (eng) \u2013 Director [mp3float]"),
                                             "German (deu) [ac3]", "xx-evil [cccccccccccccccc]"}));
    EXPECT_EQ(host.Subtitles.Names, QStringList({"French (fre) [subrip]"}));
}
