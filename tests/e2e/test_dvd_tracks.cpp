// DVDs and multi-track media through the engine link and the real MPlayer in
// a private X server: a DVD folder made by dvdauthor (three titles,
// subpictures by spumux), a Matroska file with two audio streams and a
// subtitle stream, and an external subtitle file. What the engine plays is
// checked with its own answers ("ANS_..." lines), not only with our state.
#include "E2eHarness.h"

#include <QRegularExpression>

namespace {
const QStringList kTitles = {"DVD://1 (00:08)", "DVD://2 (00:05)", "DVD://3 (00:03)"};

class DvdTracksTest : public E2eFixture {
protected:
    void SetUp() override
    {
        settings.Options.ResizeOnOpen = false;
        StartCore();
        playlist.LoadSubtitle = [this](const QString &path) { core->LoadSubtitle(path); };
    }

    QString Dvd() const { return media + "/dvd"; }
    QString Srt() const { return media + "/external.srt"; }
    const PlaybackState &State() const { return core->State(); }

    // Every queued command has gone out and been acknowledged.
    bool Settled()
    {
        return WaitFor([&] { return core->Queue().IsIdle() && core->Queue().Waiting().isEmpty(); });
    }
    // The engine's own answer to "get_property": the text after "ANS_<name>=",
    // or the error line; empty when nothing came.
    QString Ask(const QString &property)
    {
        EXPECT_TRUE(Settled());
        const qsizetype from = host->Log.size();
        core->ExecuteCommand("&get_property " + property);
        const QString key = "ANS_" + property + "=";
        QString answer;
        WaitFor(
            [&] {
                for (qsizetype i = from; i < host->Log.size(); ++i)
                    if (host->Log[i].startsWith(key) || host->Log[i].startsWith("ANS_ERROR")) {
                        answer = host->Log[i].startsWith(key) ? host->Log[i].mid(key.size()) : host->Log[i];
                        return true;
                    }
                return false;
            },
            5000);
        return answer;
    }
    QString CommandLine() const
    {
        const qsizetype i = host->Log.indexOf("Mplayer command line:");
        return i >= 0 && i + 1 < host->Log.size() ? host->Log[i + 1] : QString();
    }
    QStringList Titles() const
    {
        QStringList titles;
        for (int i = 0; i < playlist.Count(); ++i)
            titles.append(playlist.Items(i)->Title);
        return titles;
    }
    int Runs() const { return int(host->Calls.count("Status 1")); }
    // Plays the DVD folder and waits until its titles have replaced it.
    void IdentifyDvd()
    {
        ASSERT_EQ(playlist.Add(Dvd()), 0);
        core->PlayEntry(0);
        ASSERT_TRUE(WaitPlaying());
        ASSERT_EQ(Titles(), kTitles);
    }
    // Jumps to a second before the end of what plays.
    void SeekToEnd() { core->ExecuteCommand(QStringLiteral("seek %1 1").arg(State().PositionProp.Max - 1)); }
};
} // namespace

TEST_F(DvdTracksTest, DiscPlaysItsFirstTitleThenTheSecondAndStops)
{
    ASSERT_EQ(playlist.Add(Dvd()), 0);
    EXPECT_EQ(playlist.Items(0)->Kind, EntryKind::DVD);
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().endsWith(" -identify -dvd-device " + Dvd() + " dvd://"))
        << CommandLine().toStdString();
    EXPECT_EQ(Titles(), kTitles);
    EXPECT_EQ(playlist.Items(1)->Path, "-dvd-device " + Dvd().toUtf8() + " dvd://2");
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_EQ(State().PositionProp.Max, 8);
    EXPECT_EQ(host->window.windowTitle(), kTitles[0]);
    // The streams of the title the engine plays, from its real lines.
    EXPECT_TRUE(host->Log.contains("audio stream: 0 format: ac3 (mono) language: en aid: 128."));
    EXPECT_EQ(host->AudioTracks, QList<int>({128}));
    EXPECT_EQ(host->AudioNames, QStringList({"en"}));
    EXPECT_EQ(host->SubtitleTracks, QList<int>({0}));
    EXPECT_EQ(host->SubtitleNames, QStringList({"en"}));

    // The disc's run ends with its first title and moves on to the second.
    SeekToEnd();
    ASSERT_TRUE(
        WaitFor([&] { return playlist.CurrentIndex() == 1 && State().Status == PlaybackStatus::Playing; }));
    EXPECT_EQ(host->window.windowTitle(), kTitles[1]);
    EXPECT_TRUE(CommandLine().endsWith("subfont-text-scale 3.5 -dvd-device " + Dvd() + " dvd://2"))
        << CommandLine().toStdString();
    EXPECT_EQ(State().OpenMode, EntryKind::DVDTitle);
    EXPECT_EQ(State().PositionProp.Max, 5);
    EXPECT_EQ(host->AudioTracks, QList<int>({128, 129}));
    EXPECT_EQ(host->AudioNames, QStringList({"en", "fr"}));

    // The second title's run is a title's: its end starts nothing.
    SeekToEnd();
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
    WaitFor([&] { return core->IsRunning(); }, 1500); // time for a wrong third run to show
    EXPECT_FALSE(core->IsRunning());
    EXPECT_EQ(State().Status, PlaybackStatus::Stopped);
    EXPECT_EQ(Runs(), 2);
    EXPECT_EQ(Titles(), kTitles);
    EXPECT_EQ(playlist.CurrentIndex(), 1);
}

TEST_F(DvdTracksTest, RestartDuringTheDiscRunKeepsTheTitles)
{
    IdentifyDvd();
    ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 2; }));
    const float at = State().PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(Titles(), kTitles);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(CommandLine().endsWith("3.5 -dvd-device " + Dvd() + " dvd://1"))
        << CommandLine().toStdString();
    EXPECT_EQ(host->AudioTracks, QList<int>({128}));
    EXPECT_EQ(host->SubtitleTracks, QList<int>({0}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
}

TEST_F(DvdTracksTest, TitlesPlayAloneWithTheirOwnStreams)
{
    IdentifyDvd();

    // Title 2: its length from the entry, its two audio streams from "audio
    // stream:" lines; switched by the engine's own ids.
    core->PlayEntry(1);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(host->Log.filter("ID_DVD_").isEmpty());
    EXPECT_EQ(Titles(), kTitles);
    EXPECT_EQ(State().PositionProp.Max, 5);
    EXPECT_EQ(host->AudioTracks, QList<int>({128, 129}));
    EXPECT_TRUE(host->SubtitleTracks.isEmpty());
    core->ExecuteCommand("switch_audio 129");
    EXPECT_EQ(Ask("switch_audio"), "129");
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(Ask("switch_audio"), "128");
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(Ask("switch_audio"), "129");

    // A relaunch forces the chosen stream and keeps the list as it was.
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().contains(" -aid 129 ")) << CommandLine().toStdString();
    EXPECT_EQ(host->AudioTracks, QList<int>({128, 129}));
    EXPECT_EQ(Ask("switch_audio"), "129");

    // Title 1: its subpicture stream switched off and on, and a subtitle
    // file loaded beside it.
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().endsWith("dvd://1"));
    EXPECT_EQ(Ask("sub_demux"), "0");
    core->ExecuteCommand("sub_select -1");
    EXPECT_EQ(Ask("sub"), "-1");
    core->ExecuteCommand("sub_select");
    EXPECT_EQ(Ask("sub_demux"), "0");
    ASSERT_TRUE(core->LoadSubtitle(Srt()));
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleTracks.size() == 2; }));
    EXPECT_EQ(host->SubtitleNames, QStringList({"en", "external.srt"}));
    EXPECT_EQ(Ask("sub_file"), "0");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub_demux"), "0");

    SeekToEnd();
    ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
    WaitFor([&] { return core->IsRunning(); }, 1500);
    EXPECT_FALSE(core->IsRunning()) << "the end of a title started another run";
    EXPECT_EQ(playlist.CurrentIndex(), 0);
}

TEST_F(DvdTracksTest, MatroskaStreamsSwitchedAndExternalSubtitleAdded)
{
    settings.Options.Verbose = true;
    settings.Options.SingleInstance = false;
    ASSERT_EQ(playlist.Add(media + "/multi.mkv"), 0);
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(host->AudioTracks, QList<int>({0, 1}));
    EXPECT_EQ(host->AudioNames, QStringList({"eng", "fre"}));
    EXPECT_EQ(host->SubtitleNames, QStringList({"ger"}));
    core->ExecuteCommand("switch_audio 1");
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_demux"), "0"); // subtitle 0 is selected when playback starts
    core->ExecuteCommand("sub_select");
    EXPECT_EQ(Ask("sub"), "-1");

    // The engine numbers files loaded at run time before the file's own
    // streams; the menu keeps our numbers and the engine gets its own.
    ASSERT_TRUE(core->LoadSubtitle(Srt()));
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleTracks.size() == 2; }));
    EXPECT_TRUE(host->Log.contains("SUB: Added subtitle file (1): " + Srt()));
    EXPECT_EQ(host->SubtitleNames, QStringList({"ger", "external.srt"}));
    EXPECT_EQ(State().SubtitleTrackProp.Value, 1);
    EXPECT_EQ(Ask("sub_file"), "0");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub_demux"), "0");
    EXPECT_EQ(Ask("sub_file"), "-1");
    core->ExecuteCommand("sub_select 1");
    EXPECT_EQ(Ask("sub_file"), "0");

    // A relaunch keeps the lists, reloads the file, and resumes.
    ASSERT_TRUE(WaitFor([&] { return State().PositionProp.Value >= 3; }));
    const float at = State().PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().contains(" -aid 1 ")) << CommandLine().toStdString();
    EXPECT_TRUE(CommandLine().contains(" -sub " + Srt()));
    EXPECT_FALSE(CommandLine().contains("-identify"));
    // Resumed by a seek to where the run was when it ended.
    const QStringList resumes = host->Log.filter(QRegularExpression("^\\$\\|Sending: seek [0-9]+ 2$"));
    ASSERT_EQ(resumes.size(), 1) << host->Log.join('\n').toStdString();
    EXPECT_GE(resumes.first().section(' ', 2, 2).toFloat(), at);
    EXPECT_EQ(host->AudioTracks, QList<int>({0, 1}));
    EXPECT_EQ(host->SubtitleNames, QStringList({"ger", "external.srt"}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_file"), "0");
}
