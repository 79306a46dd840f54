// The engine link driving the real MPlayer in a private X server, on clips
// made by tests/media/make_test_media.sh.
#include "E2eHarness.h"

#include "common/FileNames.h"

#include <filesystem>

namespace {
// Each test runs with each engine.
class E2ETest : public E2eFixture, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        settings.Options.Engine = QString::fromLatin1(GetParam());
        StartCore();
        core->PrepareFontOption();
    }
    bool Mpv() const { return settings.Options.Engine == u"mpv"; }
};
INSTANTIATE_TEST_SUITE_P(Engines, E2ETest, ::testing::Values("mplayer", "mpv"));
} // namespace

TEST_P(E2ETest, ClipPlaysInsideThePanelThroughItsStatesAndAudioHasNoVideo)
{
    Play("clip.avi");
    EXPECT_EQ(State().Status, PlaybackStatus::Opening);
    ASSERT_TRUE(WaitPlaying()) << host->Log.join(u'\n').toStdString();
    EXPECT_EQ(State().PositionProp.Max, 10);
    ASSERT_TRUE(WaitFor([&] { return host->panel->isVisible() && State().PositionProp.Value >= 2; }));
    EXPECT_EQ(State().VideoWidth, 320);
    EXPECT_EQ(State().VideoHeight, 240);

    // A screenshot shows the test pattern inside the panel.
    const QImage image = Screenshot();
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(PictureInside(host->panel, image));
    // Outside the panel is the window's own background, untouched by the engine.
    EXPECT_LT(image.pixelColor(host->window.mapToGlobal(QPoint(10, 10))).hsvSaturation(), 40);

    // A burst of seeks: each replaces the one waiting, and the last target is reached.
    const float from = State().PositionProp.Value;
    for (int i = 0; i < 5; ++i)
        core->ExecuteCommand("seek 1 0");
    EXPECT_TRUE(WaitFor(
        [&] { return State().Status == PlaybackStatus::Playing && State().PositionProp.Value >= from + 4; }));

    // Its end as the fake engine's in the process tests: stopped, without an error.
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }, 20000));
    EXPECT_EQ(State().Status, PlaybackStatus::Stopped);
    // The panel was there before the engine started, and stayed.
    const qsizetype prepared = host->Calls.indexOf("PrepareVideo");
    EXPECT_TRUE(prepared >= 0 && prepared < host->Calls.indexOf("RevealVideo"));
    EXPECT_FALSE(host->Called("WithdrawVideo"));

    // An audio file after it has no video.
    Play("tone.mp3");
    ASSERT_TRUE(WaitPlaying());
    EXPECT_FALSE(State().HasVideo);
    EXPECT_TRUE(Mpv() || host->Log.contains("Video: no video"));
    EXPECT_TRUE(host->Called("WithdrawVideo"));
    EXPECT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 1; }));
}

TEST_P(E2ETest, HostileNamesPlayTheRightFileAndForgeNothing)
{
    // The 10 s clip under a name made of engine lines, and the 5 s tone under
    // bytes that are not UTF-8, beside a 10 s decoy named as a lossy decoding
    // of those bytes would name it.
    QTemporaryDir tmp;
    const std::string dir = QFile::encodeName(tmp.path()).toStdString();
    const std::string forged =
        dir + "/a\nID_LENGTH=4242\nID_DVD_TITLE_7_LENGTH=4242\nStarting playback...\n.avi";
    const std::string raw = dir + "/\xff\xfe.mp3";
    const std::string source = QFile::encodeName(media).toStdString();
    for (const auto &[from, to] : {std::pair{"/clip.avi", forged},
                                   {"/tone.mp3", raw},
                                   {"/clip.avi", dir + "/\xef\xbf\xbd\xef\xbf\xbd.mp3"}})
        std::filesystem::copy_file(source + from, to);
    const std::pair<std::string, float> rows[] = {{forged, 10}, {raw, 5}};
    for (const auto &[name, length] : rows) {
        playlist.Clear();
        ASSERT_EQ(playlist.Add(DecodeFileName(QByteArray::fromStdString(name))), 0);
        core->PlayEntry(0);
        ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 1; })) << name;
        EXPECT_EQ(State().PositionProp.Max, length) << name;
        EXPECT_EQ(playlist.Count(), 1); // no titles forged into the list
        core->QuitAndWait();
    }
}
