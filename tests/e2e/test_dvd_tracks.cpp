// DVDs and multi-track media through the engine link and the real MPlayer in
// a private X server: a DVD folder made by dvdauthor (three titles,
// subpictures by spumux), a Matroska file with two audio streams and a
// subtitle stream, and an external subtitle file. What the engine plays is
// checked with its own answers ("ANS_..." lines), not only with our state.
#include "E2eHarness.h"
#include "support/PlaylistTitles.h"

#include <QRegularExpression>

namespace {
const QStringList kTitles = {"DVD://1 (00:08)", "DVD://2 (00:05)", "DVD://3 (00:03)"};

class DvdTracksTest : public E2eFixture {
protected:
    void SetUp() override
    {
        settings.Options.ResizeOnOpen = false;
        StartCore();
        playlist.LoadSubtitle.Set([this](const QString &path) { core->LoadSubtitle(path); });
    }

    QString Dvd() const { return media + "/dvd"; }

    // The engine's own answer to "get_property": the text after "ANS_<name>=",
    // or the error line; empty when nothing came.
    QString Ask(const QString &property)
    {
        // Once every queued command has gone out and been acknowledged.
        EXPECT_TRUE(WaitFor([&] { return core->Queue().IsIdle() && core->Queue().Waiting().isEmpty(); }));
        const qsizetype from = host->Log.size();
        core->ExecuteCommand("&get_property " + property);
        const QString key = "ANS_" + property + "=";
        QStringList answers;
        WaitFor(
            [&] {
                answers = host->Log.mid(from).filter(QRegularExpression("^(" + key + "|ANS_ERROR)"));
                return !answers.isEmpty();
            },
            5000);
        return answers.isEmpty() ? QString() : answers.first().remove(key);
    }
    // The log starts afresh with each launch: "Mplayer command line:", then the line.
    QString CommandLine() const { return host->Log.value(1); }
    // The title the window was given last.
    QString Shown() const
    {
        const QStringList calls =
            host->Calls.filter(QRegularExpression("^(ShowMediaTitle|PrepareMediaDisplay) "));
        const QString last = calls.isEmpty() ? QString() : calls.last();
        return last.section(u' ', last.startsWith(QLatin1String("Show")) ? 1 : 3);
    }
    // Jumps to a second before the end of what plays.
    void SeekToEnd() { core->ExecuteCommand(QStringLiteral("seek %1 1").arg(State().PositionProp.Max - 1)); }
};
} // namespace

TEST_F(DvdTracksTest, DiscPlaysItsFirstTitleRestartedThenTheSecondAndStops)
{
    Play("dvd");
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().endsWith(" -identify -dvd-device " + Dvd() + " -- dvd://"))
        << CommandLine().toStdString();
    EXPECT_EQ(Titles(playlist), kTitles);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_EQ(State().PositionProp.Max, 8);
    EXPECT_EQ(Shown(), kTitles[0]);
    // The streams of the title the engine plays, from its real lines.
    EXPECT_EQ(host->Audio.Ids, QList<int>({128}));
    EXPECT_EQ(host->Subtitles.Ids, QList<int>({0}));
    EXPECT_EQ(host->Subtitles.Names, QStringList({"English (en)"}));
    EXPECT_EQ(Ask("sub_demux"), "0");

    // A restart during the disc's run plays the first title again, where it was, with the same list.
    ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 2; }));
    const float at = State().PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(Titles(playlist), kTitles);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(CommandLine().endsWith("3.5 -dvd-device " + Dvd() + " -- dvd://1"))
        << CommandLine().toStdString();
    EXPECT_EQ(host->Audio.Ids, QList<int>({128}));
    EXPECT_EQ(host->Subtitles.Ids, QList<int>({0}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);

    // The disc's run ends with its first title and moves on to the second.
    SeekToEnd();
    ASSERT_TRUE(
        WaitFor([&] { return playlist.CurrentIndex() == 1 && State().Status == PlaybackStatus::Playing; }));
    EXPECT_EQ(Shown(), kTitles[1]);
    EXPECT_TRUE(CommandLine().endsWith("subfont-text-scale 3.5 -dvd-device " + Dvd() + " -- dvd://2"))
        << CommandLine().toStdString();
    EXPECT_EQ(State().PositionProp.Max, 5);
    EXPECT_TRUE(host->Log.filter("ID_DVD_").isEmpty());
    EXPECT_EQ(host->Audio.Ids, QList<int>({128, 129}));
    EXPECT_EQ(host->Audio.Names, QStringList({"English (en)", "French (fr)"}));
    // Switched by the engine's own ids.
    core->ExecuteCommand("switch_audio 129");
    EXPECT_EQ(Ask("switch_audio"), "129");
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(Ask("switch_audio"), "128");

    // The second title's run is a title's: its end starts nothing.
    SeekToEnd();
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
    WaitFor([&] { return core->IsRunning(); }, 1500); // time for a wrong third run to show
    EXPECT_FALSE(core->IsRunning());
    EXPECT_EQ(State().Status, PlaybackStatus::Stopped);
    EXPECT_EQ(host->Calls.count("Status 1"), 3); // the disc, its restart, then title 2
    EXPECT_EQ(playlist.CurrentIndex(), 1);
}

TEST_F(DvdTracksTest, MatroskaStreamsSwitchedAndExternalSubtitleAdded)
{
    Play("multi.mkv");
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->Audio.Ids, QList<int>({0, 1}));
    core->ExecuteCommand("switch_audio 1");
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_demux"), "0"); // subtitle 0 is selected when playback starts

    // The engine numbers files loaded at run time before the file's own
    // streams; the menu keeps our numbers and the engine gets its own.
    ASSERT_TRUE(core->LoadSubtitle(media + "/external.srt"));
    ASSERT_TRUE(WaitFor([&] { return host->Subtitles.Ids.size() == 2; }));
    EXPECT_EQ(host->Subtitles.Names, QStringList({"German (ger) [srt]", "external.srt"}));
    EXPECT_EQ(Ask("sub_file"), "0");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub_demux"), "0");
    EXPECT_EQ(Ask("sub_file"), "-1");
    core->ExecuteCommand("sub_select 1");
    EXPECT_EQ(Ask("sub_file"), "0");

    // A relaunch loads the file again and resumes with the same choices.
    ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 3; }));
    const float at = State().PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->Subtitles.Names, QStringList({"German (ger) [srt]", "external.srt"}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_file"), "0");
}

// mpv numbers its tracks from 1 and keeps loaded files after the media's own;
// the answers are mpv's, asked under MPlayer's names.
TEST_F(DvdTracksTest, MpvMatroskaStreamsSwitchedSubtitleAddedRelaunchedAndDiscPlayed)
{
    settings.Options.Engine = QStringLiteral("mpv"); // read at each launch
    Play("multi.mkv");
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->Audio.Ids, QList<int>({1, 2}));
    EXPECT_EQ(host->Audio.Names, QStringList({"English (eng) \u2013 Director [mp3]", "French (fre) [mp3]"}));
    core->ExecuteCommand("switch_audio 2");
    EXPECT_EQ(Ask("switch_audio"), "2");
    ASSERT_TRUE(core->LoadSubtitle(media + "/external.srt"));
    ASSERT_TRUE(WaitFor([&] { return host->Subtitles.Ids.size() == 2; }));
    EXPECT_EQ(host->Subtitles.Names, QStringList({"German (ger) [subrip]", "external.srt [subrip]"}));
    EXPECT_EQ(Ask("sub"), "2");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub"), "1");

    ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 3; }));
    const float at = State().PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->Subtitles.Ids.size(), 2);
    // mpv answers a seek before it has gone there.
    EXPECT_TRUE(WaitFor([&] { return Ask("time_pos").toDouble() >= at - 1; }, 3000));
    EXPECT_EQ(Ask("switch_audio"), "2");
    EXPECT_EQ(Ask("sub"), "1");

    // Switched to MPlayer: the tracks by its ids, the position and the file kept.
    settings.Options.Engine = QStringLiteral("mplayer");
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->Audio.Ids, QList<int>({0, 1}));
    EXPECT_EQ(host->Subtitles.Ids.size(), 2);
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
    settings.Options.Engine = QStringLiteral("mpv");

    // The disc plays its first title (this mpv lists no titles).
    playlist.Clear();
    Play("dvd");
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(State().PositionProp.Max, 8);
    EXPECT_EQ(host->Subtitles.Names, QStringList({"English (en) [dvd_subtitle]"}));
}
