// DVDs and multi-track media through the engine link and the real MPlayer in
// a private X server: a DVD folder made by dvdauthor (two titles, subpictures
// by spumux), a Matroska file with two audio streams and a subtitle stream,
// and an external subtitle file. What the engine plays is checked with its
// own answers ("ANS_..." lines), not only with our state.
#include "E2eHarness.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>

namespace {
// The media are made once per build tree by tests/media/make_test_media.sh;
// test processes running side by side wait for each other on a lock file.
QString MediaDir(QString &error)
{
    const QString build = QString::fromLocal8Bit(qgetenv("ZORVI_BUILD_DIR"));
    const QString source = QString::fromLocal8Bit(qgetenv("ZORVI_SOURCE_DIR"));
    if (build.isEmpty() || source.isEmpty()) {
        error = "ZORVI_BUILD_DIR and ZORVI_SOURCE_DIR must be set (ctest sets them)";
        return {};
    }
    const QString out = build + "/testmedia";
    QDir().mkpath(build);
    QLockFile lock(out + ".lock");
    lock.setStaleLockTime(0);
    lock.lock();
    if (!QFileInfo::exists(out + "/.complete")) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("bash", {source + "/tests/media/make_test_media.sh", out});
        if (!p.waitForFinished(300000) || p.exitCode() != 0)
            error = "make_test_media.sh failed: " + QString::fromLocal8Bit(p.readAll());
    }
    return out;
}

class DvdTracksTest : public E2eFixture {
protected:
    QString media;

    void SetUp() override
    {
        QString error;
        media = MediaDir(error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        settings.Options.ResizeOnOpen = false;
        StartCore();
        playlist.LoadSubtitle = [this](const QString &path) { core->LoadSubtitle(path); };
    }

    QString Dvd() const { return media + "/dvd"; }
    QString Mkv() const { return media + "/multi.mkv"; }
    QString Srt() const { return media + "/external.srt"; }

    // Every queued command has gone out and been acknowledged.
    bool Settled()
    {
        return WaitFor([&] { return core->QueueIdle && core->CommandQueue.isEmpty(); });
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
    // Plays the DVD folder and waits until its titles have replaced it.
    void IdentifyDvd()
    {
        ASSERT_EQ(playlist.Add(Dvd()), 0);
        core->PlayEntry(0);
        ASSERT_TRUE(WaitPlaying());
        ASSERT_EQ(Titles(), QStringList({"DVD://1 (00:08)", "DVD://2 (00:05)"}));
    }
    // Plays to the end of the title from a second before it.
    void PlayToEnd()
    {
        core->ExecuteCommand(QStringLiteral("seek %1 1").arg(core->PositionProp.Max - 1));
        ASSERT_TRUE(WaitFor([&] { return !core->IsRunning(); }));
        // Time for a wrongly started next run to show itself.
        WaitFor([&] { return core->IsRunning(); }, 1500);
    }
};

class DvdFolderTest : public DvdTracksTest, public ::testing::WithParamInterface<const char *> {};
} // namespace

TEST_P(DvdFolderTest, BecomesItsTitlesAndPlaysTheFirst)
{
    ASSERT_EQ(playlist.Add(Dvd() + GetParam()), 0);
    ASSERT_EQ(playlist.Count(), 1);
    EXPECT_EQ(playlist.Items(0)->Kind, EntryKind::DVD);
    EXPECT_EQ(playlist.Items(0)->Title, "Loading DVD " + Dvd());

    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().endsWith(" -identify -dvd-device " + Dvd() + " dvd://"))
        << CommandLine().toStdString();
    EXPECT_EQ(Titles(), QStringList({"DVD://1 (00:08)", "DVD://2 (00:05)"}));
    EXPECT_EQ(playlist.Items(0)->Path, "-dvd-device " + Dvd().toUtf8() + " dvd://1");
    EXPECT_EQ(playlist.Items(1)->Path, "-dvd-device " + Dvd().toUtf8() + " dvd://2");
    EXPECT_EQ(playlist.Items(1)->Kind, EntryKind::DVDTitle);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_EQ(core->PositionProp.Max, 8);
    // The engine plays the first title: it is what the window shows.
    EXPECT_TRUE(host->Called("ShowMediaTitle DVD://1 (00:08)"));

    // The real lines the title's streams are named from.
    EXPECT_TRUE(host->Log.contains("audio stream: 0 format: ac3 (mono) language: en aid: 128."));
    EXPECT_TRUE(host->Log.contains("subtitle ( sid ): 0 language: en"));
    EXPECT_EQ(host->AudioItems, QList<int>({128, -100}));
    EXPECT_EQ(host->AudioNames.first(), "en");
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host->SubtitleNames.first(), "en");

    PlayToEnd();
    EXPECT_FALSE(core->IsRunning()) << "the end of a title started another run";
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    EXPECT_EQ(Titles(), QStringList({"DVD://1 (00:08)", "DVD://2 (00:05)"}));
    EXPECT_EQ(playlist.CurrentIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(FolderOrVideoTs, DvdFolderTest, ::testing::Values("", "/VIDEO_TS"));

TEST_F(DvdTracksTest, TitlesPlayAloneWithTheirOwnStreams)
{
    IdentifyDvd();
    const qsizetype identifications = host->Calls.filter("ShowMediaTitle").size();

    // Title 2: its length from the entry, its two audio streams from
    // "audio stream:" lines, and no identification run.
    core->PlayEntry(1);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_FALSE(CommandLine().contains("-identify")) << CommandLine().toStdString();
    EXPECT_TRUE(CommandLine().endsWith("dvd://2"));
    EXPECT_TRUE(host->Log.filter("ID_DVD_").isEmpty());
    EXPECT_EQ(host->Calls.filter("ShowMediaTitle").size(), identifications);
    EXPECT_EQ(Titles(), QStringList({"DVD://1 (00:08)", "DVD://2 (00:05)"}));
    EXPECT_EQ(playlist.CurrentIndex(), 1);
    EXPECT_EQ(core->OpenMode, EntryKind::DVDTitle);
    EXPECT_EQ(core->PositionProp.Max, 5);
    EXPECT_TRUE(host->Log.contains("audio stream: 1 format: ac3 (mono) language: fr aid: 129."));
    EXPECT_EQ(host->AudioItems, QList<int>({128, 129, -100}));
    EXPECT_EQ(host->AudioNames.mid(0, 2), QStringList({"en", "fr"}));
    EXPECT_EQ(host->SubtitleItems, QList<int>({-101, -102, -103}));

    core->ExecuteCommand("switch_audio 129");
    EXPECT_EQ(Ask("switch_audio"), "129");
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(core->AudioTrackProp.Value, 128);
    EXPECT_EQ(Ask("switch_audio"), "128");
    core->ExecuteCommand("switch_audio");
    EXPECT_EQ(Ask("switch_audio"), "129");

    // A relaunch forces the chosen stream and keeps the list as it was.
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().contains(" -aid 129 ")) << CommandLine().toStdString();
    EXPECT_FALSE(CommandLine().contains("-identify"));
    EXPECT_EQ(host->AudioItems, QList<int>({128, 129, -100}));
    EXPECT_EQ(Ask("switch_audio"), "129");

    // Title 1: the subtitle stream of its "subtitle ( sid )" line can be
    // switched off and on again; the end of the title starts nothing else.
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().endsWith("dvd://1"));
    EXPECT_EQ(core->PositionProp.Max, 8);
    EXPECT_EQ(host->AudioItems, QList<int>({128, -100}));
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host->SubtitleNames.first(), "en");
    EXPECT_EQ(Ask("sub_demux"), "0");
    core->ExecuteCommand("sub_select -1");
    EXPECT_EQ(Ask("sub"), "-1");
    core->ExecuteCommand("sub_select");
    EXPECT_EQ(core->SubtitleTrackProp.Value, 0);
    EXPECT_EQ(Ask("sub_demux"), "0");

    PlayToEnd();
    EXPECT_FALSE(core->IsRunning()) << "the end of a title started another run";
    EXPECT_EQ(core->Status, PlaybackStatus::Stopped);
    EXPECT_EQ(playlist.CurrentIndex(), 0);
}

TEST_F(DvdTracksTest, RestartDuringTheDiscRunKeepsTheTitles)
{
    IdentifyDvd();
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 2; }));
    const float at = core->PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_EQ(Titles(), QStringList({"DVD://1 (00:08)", "DVD://2 (00:05)"}));
    EXPECT_EQ(playlist.CurrentIndex(), 0);
    EXPECT_TRUE(CommandLine().endsWith("dvd://1")) << CommandLine().toStdString();
    EXPECT_EQ(host->AudioItems, QList<int>({128, -100}));
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
}

TEST_F(DvdTracksTest, MatroskaStreamsSwitchedAndExternalSubtitleAdded)
{
    settings.Options.Verbose = true;
    settings.Options.SingleInstance = false;
    ASSERT_EQ(playlist.Add(Mkv()), 0);
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    for (const char *line : {"ID_AUDIO_ID=0", "ID_AID_0_LANG=eng", "ID_AUDIO_ID=1", "ID_AID_1_LANG=fre",
                             "ID_SUBTITLE_ID=0", "ID_SID_0_LANG=ger"})
        EXPECT_TRUE(host->Log.contains(line)) << line;
    EXPECT_EQ(host->AudioItems, QList<int>({0, 1, -100}));
    EXPECT_EQ(host->AudioNames.mid(0, 2), QStringList({"eng", "fre"}));
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, -101, -102, -103}));
    EXPECT_EQ(host->SubtitleNames.first(), "ger");

    core->ExecuteCommand("switch_audio 1");
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_demux"), "0"); // subtitle 0 is selected when playback starts
    core->ExecuteCommand("sub_select");
    EXPECT_EQ(Ask("sub"), "-1");

    // The engine numbers files loaded at run time before the file's own
    // streams; the menu keeps our numbers and the engine gets its own.
    ASSERT_TRUE(core->LoadSubtitle(Srt()));
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleItems.size() == 5; }));
    EXPECT_TRUE(host->Log.contains("SUB: Added subtitle file (1): " + Srt()));
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, 1, -101, -102, -103}));
    EXPECT_EQ(host->SubtitleNames.mid(0, 2), QStringList({"ger", "external.srt"}));
    EXPECT_EQ(core->SubtitleTrackProp.Value, 1);
    EXPECT_TRUE(host->Called("Tick Subtitle 1"));
    EXPECT_EQ(Ask("sub_file"), "0");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub_demux"), "0");
    EXPECT_EQ(Ask("sub_file"), "-1");
    core->ExecuteCommand("sub_select 1");
    EXPECT_EQ(Ask("sub_file"), "0");

    // A relaunch keeps the lists, reloads the file, and resumes.
    ASSERT_TRUE(WaitFor([&] { return core->PositionProp.Value >= 3; }));
    const float at = core->PositionProp.Value;
    core->Restart();
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().contains(" -aid 1 ")) << CommandLine().toStdString();
    EXPECT_TRUE(CommandLine().contains(" -sub " + Srt()));
    EXPECT_FALSE(CommandLine().contains("-identify"));
    // Resumed by a seek to where the run was when it ended (a second or so
    // after the restart was asked for).
    const QStringList resumes = host->Log.filter(QRegularExpression("^\\$\\|Sending: seek [0-9]+ 2$"));
    ASSERT_EQ(resumes.size(), 1) << host->Log.join('\n').toStdString();
    EXPECT_GE(resumes.first().section(' ', 2, 2).toFloat(), at);
    EXPECT_EQ(host->AudioItems, QList<int>({0, 1, -100}));
    EXPECT_EQ(host->SubtitleItems, QList<int>({0, 1, -101, -102, -103}));
    EXPECT_EQ(host->SubtitleNames.mid(0, 2), QStringList({"ger", "external.srt"}));
    EXPECT_GE(Ask("time_pos").toDouble(), at - 1);
    EXPECT_EQ(Ask("switch_audio"), "1");
    EXPECT_EQ(Ask("sub_file"), "0");
}

TEST_F(DvdTracksTest, SubtitleNamedBeforePlaybackIsLoadedAndShown)
{
    // As for "zorvi film.mkv film.srt": the subtitle is handed over first.
    EXPECT_EQ(playlist.Add(Srt()), -1);
    ASSERT_EQ(playlist.Add(Mkv()), 0);
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    EXPECT_TRUE(CommandLine().contains(" -sub " + Srt() + " ")) << CommandLine().toStdString();
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleItems.size() == 5; }));
    EXPECT_EQ(host->SubtitleNames.mid(0, 2), QStringList({"ger", "external.srt"}));
    EXPECT_EQ(core->SubtitleTrackProp.Value, 1);
    EXPECT_EQ(Ask("sub_file"), "0");
}

TEST_F(DvdTracksTest, ExternalSubtitleOnADvdTitle)
{
    IdentifyDvd();
    core->PlayEntry(0);
    ASSERT_TRUE(WaitPlaying());
    ASSERT_TRUE(core->LoadSubtitle(Srt()));
    ASSERT_TRUE(WaitFor([&] { return host->SubtitleItems.size() == 5; }));
    EXPECT_EQ(host->SubtitleNames.mid(0, 2), QStringList({"en", "external.srt"}));
    EXPECT_EQ(Ask("sub_file"), "0");
    core->ExecuteCommand("sub_select 0");
    EXPECT_EQ(Ask("sub_demux"), "0");
}
