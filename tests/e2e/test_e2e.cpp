// The engine link driving the real MPlayer in a private X server, on clips
// ffmpeg made for the test.
#include "E2EMedia.h"
#include "E2eHarness.h"

#include <QImage>
#include <QRegularExpression>
#include <set>

namespace {
class E2ETest : public E2eFixture {
protected:
    void SetUp() override
    {
        StartCore();
        core->PrepareFontOption();
    }
    void Play(const QString &path)
    {
        ASSERT_GE(playlist.Add(path), 0) << path.toStdString();
        core->PlayEntry(0);
    }
};
} // namespace

TEST_F(E2ETest, ClipPlaysThroughItsStates)
{
    Play(E2EMedia::Clip());
    EXPECT_EQ(core->Status, PlaybackStatus::Opening);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(core->PositionProp.Max, 10);
    ASSERT_TRUE(WaitFor([&] { return core->VideoWidth > 0; }));
    EXPECT_EQ(core->VideoWidth, 320);
    EXPECT_EQ(core->VideoHeight, 240);
    EXPECT_FLOAT_EQ(core->VideoAspect, 320.f / 240.f);
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 2; }));
    EXPECT_TRUE(host->Status.startsWith("A:"));
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }, 20000));
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    EXPECT_EQ(core->PositionProp.Value, 0);
    EXPECT_TRUE(host->Log.contains("Exiting... (End of file)"));
    EXPECT_EQ(host->Calls.filter("Status "), QStringList({"Status 1", "Status 3", "Status 6"}));
}

TEST_F(E2ETest, SeekPauseAndResume)
{
    Play(E2EMedia::TwoAudio());
    ASSERT_TRUE(WaitPlaying());
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 1; }));
    core->ExecuteCommand("seek +10");
    EXPECT_EQ(core->Status, PlaybackStatus::Seeking);
    ASSERT_TRUE(WaitFor([&] { return core->Status == PlaybackStatus::Playing; }));
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 11; }));

    core->ExecuteCommand("pause");
    EXPECT_EQ(core->Status, PlaybackStatus::Paused);
    ASSERT_TRUE(WaitFor([&] { return host->Status.startsWith("Paused|"); }));
    const float at = core->PositionProp.Value;
    Pause(1200);
    EXPECT_EQ(core->PositionProp.Value, at);
    core->ExecuteCommand("pause");
    EXPECT_EQ(core->Status, PlaybackStatus::Playing);
    EXPECT_TRUE(WaitFor([&] { return core->PositionProp.Value >= at + 1; }));
}

TEST_F(E2ETest, SeekBurstIsCoalesced)
{
    settings.Options.Verbose = true;
    settings.Options.SingleInstance = false;
    Play(E2EMedia::TwoAudio());
    ASSERT_TRUE(WaitPlaying());
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle; }));
    QElapsedTimer t;
    t.start();
    for (int i = 1; i <= 50; ++i) {
        core->ExecuteCommand(QStringLiteral("seek %1 1").arg(i * 0.5));
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    EXPECT_LT(t.elapsed(), 200);
    ASSERT_TRUE(WaitFor([&] { return core->Status == PlaybackStatus::Playing; }));
    QStringList seeks;
    for (const QString &line : Sent())
        if (line.contains(QRegularExpression("seek [0-9.]+ 2$")))
            seeks.append(line);
    EXPECT_LT(seeks.size(), 20) << seeks.join(" | ").toStdString();
    EXPECT_TRUE(seeks.last().endsWith("seek 25 2"));
    EXPECT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 25; }));
}

TEST_F(E2ETest, AudioStreamsListedAndSwitched)
{
    Play(E2EMedia::TwoAudio());
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->AudioItems, QList<int>({1, 2, -100}));
    EXPECT_EQ(core->AudioTrackProp.Min, 1);
    EXPECT_EQ(core->AudioTrackProp.Max, 2);
    core->ExecuteCommand("switch_audio 2");
    ASSERT_TRUE(WaitFor([&] { return host->Log.contains("ID_AUDIO_TRACK=2"); }));
    core->ExecuteCommand("&get_property switch_audio");
    EXPECT_TRUE(WaitFor([&] { return host->Log.contains("ANS_switch_audio=2"); }));
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(core->AudioTrackProp.Value, 1);
    EXPECT_TRUE(WaitFor([&] { return host->Log.contains("ID_AUDIO_TRACK=1"); }));
}

TEST_F(E2ETest, SubtitleLoadedAndSelected)
{
    Play(E2EMedia::TwoAudio());
    ASSERT_TRUE(WaitPlaying());
    ASSERT_TRUE(core->LoadSubtitle(E2EMedia::Subtitle()));
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleItems.size() == 4; }));
    EXPECT_EQ(host->SubtitleNames.first(), "film.srt");
    EXPECT_EQ(core->SubtitleTrackProp.Value, 0);
    core->ExecuteCommand("&get_property sub");
    EXPECT_TRUE(WaitFor([&] { return host->Log.contains("ANS_sub=0"); }));
    core->ExecuteCommand("sub_select");
    EXPECT_EQ(core->SubtitleTrackProp.Value, -1);
    ASSERT_TRUE(WaitFor([&] { return core->QueueIdle; }));
    core->ExecuteCommand("&get_property sub");
    EXPECT_TRUE(WaitFor([&] { return host->Log.contains("ANS_sub=-1"); }));
}

TEST_F(E2ETest, AudioOnlyFileHasNoVideo)
{
    Play(E2EMedia::AudioOnly());
    ASSERT_TRUE(WaitPlaying());
    EXPECT_FALSE(core->HasVideo);
    EXPECT_TRUE(host->Log.contains("Video: no video"));
    EXPECT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 1; }));
}

TEST_F(E2ETest, FolderEntriesPlayOneAfterAnother)
{
    ASSERT_EQ(playlist.Add(E2EMedia::Folder()), 0);
    ASSERT_EQ(playlist.Count(), 3);
    core->PlayEntry(0);
    ASSERT_TRUE(
        WaitFor([&] { return playlist.CurrentIndex() == 1 && core->Status == PlaybackStatus::Playing; }));
    ASSERT_TRUE(
        WaitFor([&] { return playlist.CurrentIndex() == 2 && core->Status == PlaybackStatus::Playing; }));
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    EXPECT_EQ(playlist.CurrentIndex(), 2);
}

TEST_F(E2ETest, PositionBeyondTenThousandSeconds)
{
    Play(E2EMedia::Long());
    ASSERT_TRUE(WaitPlaying());
    EXPECT_GE(core->PositionProp.Max, 10099);
    core->ExecuteCommand("seek 10050 1");
    ASSERT_TRUE(WaitFor([&] { return core->Status == PlaybackStatus::Playing; }));
    EXPECT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 10050; }));
    EXPECT_LT(core->PositionProp.Value, 10101);
}

TEST_F(E2ETest, ScreenshotShowsTheTestPatternInsideThePanel)
{
    Play(E2EMedia::Clip());
    ASSERT_TRUE(WaitPlaying());
    ASSERT_TRUE(WaitFor([&] { return host->panel->isVisible() && core->PositionProp.Value >= 2; }));
    const QString shot = E2EMedia::Dir() + "/screenshot.png";
    QFile::remove(shot);
    QProcess import;
    import.start("import", {"-window", "root", shot});
    ASSERT_TRUE(import.waitForFinished(20000));
    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    const QRect panel(host->panel->mapToGlobal(QPoint(0, 0)), host->panel->size());
    std::set<QRgb> colours;
    int keyPixels = 0, saturated = 0;
    for (int y = panel.top() + 4; y < panel.bottom() - 4; y += 4)
        for (int x = panel.left() + 4; x < panel.right() - 4; x += 4) {
            const QColor c = image.pixelColor(x, y);
            colours.insert(c.rgb() & 0xF0F0F0);
            keyPixels += c.rgb() == qRgb(5, 7, 2);
            saturated += c.hsvSaturation() > 150 && c.value() > 150;
        }
    const int samples = (panel.width() / 4 - 2) * (panel.height() / 4 - 2);
    EXPECT_GT(colours.size(), 12u);     // the pattern's many colours, not one fill
    EXPECT_LT(keyPixels, samples / 10); // the engine drew over the colour key
    EXPECT_GT(saturated, samples / 10); // bright colour bars
    // Outside the panel is the window's own background, untouched by the engine.
    const QPoint outside = host->window.mapToGlobal(QPoint(10, 10));
    EXPECT_EQ(image.pixelColor(outside).hsvSaturation() < 40, true);
}
