// Building the playlist from paths, and the current-entry marker.
#include "common/CommandLine.h"
#include "common/FileNames.h"
#include "common/ZError.h"
#include "playlist/FolderScan.h"
#include "playlist/ListedNames.h"
#include "playlist/ZorviPlaylist.h"
#include "support/PlaylistTitles.h"

#include <fstream>

namespace {

struct Playlist : ::testing::Test {
    QTemporaryDir tmp;
    TZorviPlaylist list;
    QStringList subtitles;
    int changes = 0;
    QString dir() const { return tmp.path(); }
    void SetUp() override
    {
        list.LoadSubtitle.Set([this](const QString &p) { subtitles << p; });
        QObject::connect(&list, &TSelectList::OnChange, [this] { ++changes; });
    }
};

} // namespace

TEST_F(Playlist, FilesAreListedAbsoluteSubtitlesAreLoaded)
{
    for (const char *name : {"movie.AVI", "film.srt", "song.mp3", "film.SRT", "clip.dat"})
        WriteFile(dir() + "/" + name);
    EXPECT_EQ(list.Add(dir() + "/movie.AVI"), 0);
    const TPlItem &movie = *list.Items(0);
    EXPECT_EQ(std::tie(movie.Kind, movie.Title, movie.Path),
              std::tuple(EntryKind::File, "movie.AVI", (dir() + "/movie.AVI").toUtf8()));

    EXPECT_EQ(list.Add(dir() + "/film.srt"), -1);
    EXPECT_EQ(list.Add(dir() + "/clip.dat"), -1); // ".dat" is in both lists
    EXPECT_EQ(subtitles, QStringList({dir() + "/film.srt", dir() + "/clip.dat"}));

    EXPECT_EQ(list.Add(dir() + "/song.mp3"), 1); // any other extension is listed
    EXPECT_EQ(list.Add(dir() + "/film.SRT"), 2); // the subtitle list is case-sensitive
    EXPECT_EQ(list.Count(), 3);

    // Relative names are made absolute against the current directory.
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir()));
    const int rel = list.Add("movie.AVI");
    const int dotted = list.Add("./film.srt");
    QDir::setCurrent(cwd);
    EXPECT_EQ(list.Items(rel)->Path, (dir() + "/movie.AVI").toUtf8());
    EXPECT_EQ(dotted, -1);
    EXPECT_EQ(subtitles.last(), dir() + "/film.srt");
}

TEST_F(Playlist, FolderScanSortedDepthFirstMediaOnly)
{
    for (const char *name : {"b.MP3", "a.avi", "Sub/c.webm", "B.mpg", "d.srt", ".hidden.avi", ".hid/e.avi",
                             "my.avi/noext", "trailing."})
        WriteFile(dir() + "/f/" + name);

    // A name in an old 8-bit code page is found, kept exactly and shown readably.
    const QByteArray latin1 = QFile::encodeName(dir()) + "/f/\xe9t\xe9.avi";
    ASSERT_TRUE(std::ofstream(latin1.toStdString()).good());

    list.Add(dir() + "/song"); // a kind 1 entry ahead of the folder's
    changes = 0;
    EXPECT_EQ(list.Add(dir() + "/f/"), 1);
    EXPECT_EQ(Titles(list), QStringList({dir() + "/song", "a.avi", "b.MP3", "B.mpg", "c.webm",
                                         QString::fromUtf8("été.avi")}));
    EXPECT_EQ(list.Items(4)->Path, (dir() + "/f/Sub/c.webm").toUtf8());
    EXPECT_EQ(list.Items(5)->Path, latin1);
    EXPECT_EQ(changes, 1); // one notification for the whole scan
    EXPECT_EQ(list.Items(list.Add(DecodeFileName(latin1)))->Kind, EntryKind::File);

    WriteFile(dir() + "/empty/sub/notes.txt");
    EXPECT_EQ(list.Add(dir() + "/empty"), -1);
    EXPECT_EQ(list.Count(), 7);
}

TEST_F(Playlist, ListedNamesFindTheSameFileUnderAnotherSpellingAndUrlsAsText)
{
    WriteFile(dir() + "/m/a.avi");
    WriteFile(dir() + "/m/b.avi");
    ASSERT_TRUE(QFile::link(dir() + "/m", dir() + "/link"));
    list.Add(dir() + "/m/a.avi");
    list.Add("http://host/live");
    ListedNames listed(list);
    const std::pair<QString, int> rows[] = {{dir() + "/link/a.avi", 0}, {dir() + "//m/../m/a.avi", 0},
                                            {"http://host/live", 1},    {"http://HOST/live", 2},
                                            {dir() + "/link/b.avi", 3}, {dir() + "/m/b.avi", 3}};
    for (const auto &[name, index] : rows)
        EXPECT_EQ(listed.Add(name), index) << name.toStdString();
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(Playlist, LinkLoopsTerminate)
{
    WriteFile(dir() + "/loop/a.avi");
    WriteFile(dir() + "/loop/inner/b.avi");
    ASSERT_TRUE(QFile::link(dir() + "/loop", dir() + "/loop/inner/back"));
    ASSERT_TRUE(QFile::link(dir() + "/loop/inner", dir() + "/loop/inner/self"));
    WriteFile(dir() + "/other/x.avi");
    ASSERT_TRUE(QFile::link(dir() + "/other", dir() + "/loop/inner/sideways"));

    // Every real folder once, however many links lead there (a web of
    // links would multiply the walk level by level).
    QDir().mkpath(dir() + "/loop/web");
    for (const char *name : {"/loop/web/1", "/loop/web/2"})
        ASSERT_TRUE(QFile::link(dir() + "/other", dir() + name));

    EXPECT_EQ(list.Add(dir() + "/loop"), 0);
    EXPECT_EQ(Titles(list), QStringList({"a.avi", "b.avi", "x.avi"}));
}

TEST_F(Playlist, ScansRunWhileEventsAreHandledAndStopAtTheirBudget)
{
    EnsureApp<QCoreApplication>();
    for (int i = 0; i < 30; ++i)
        WriteFile(dir() + QStringLiteral("/s/d%1/v%2.avi").arg(i / 10).arg(i % 10));
    bool handled = false;
    QTimer::singleShot(0, [&handled] { handled = true; });
    EXPECT_EQ(list.Add(dir() + "/s"), 0);
    EXPECT_TRUE(handled);
    EXPECT_EQ(list.Count(), 30);

    // 3 entries in s, 10 in each folder: the budget ends the walk in the second folder.
    const std::atomic<bool> stop{false};
    const FolderScanResult cut = FolderScan::Run(dir() + "/s", stop, 16);
    EXPECT_TRUE(cut.BudgetReached);
    ASSERT_EQ(cut.Files.size(), 13); // the first folder whole, three of the second's
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(cut.Files.at(i), dir() + QStringLiteral("/s/d0/v%1.avi").arg(i));
    EXPECT_EQ(FolderScan::Run(dir() + "/s", std::atomic<bool>{true}).Files, QStringList());
}

TEST_F(Playlist, DvdFoldersGiveOneDvdEntry)
{
    WriteFile(dir() + "/disc/VIDEO_TS/VTS_01_1.VOB");
    WriteFile(dir() + "/lower/video_ts/vts_01_1.vob");
    const std::pair<QString, QString> rows[] = {
        {dir() + "/disc", dir() + "/disc"},          {dir() + "/disc/", dir() + "/disc"},
        {dir() + "/disc/VIDEO_TS", dir() + "/disc"}, {dir() + "/disc/VIDEO_TS/", dir() + "/disc"},
        {dir() + "/lower", dir() + "/lower"},        {dir() + "/lower/video_ts", dir() + "/lower"}};
    for (const auto &[given, disc] : rows) {
        list.Clear();
        EXPECT_EQ(list.Add(given), 0) << given.toStdString();
        ASSERT_EQ(list.Count(), 1) << given.toStdString();
        const TPlItem &item = *list.Items(0);
        EXPECT_EQ(
            std::tie(item.Kind, item.Title, item.Path),
            std::tuple(EntryKind::DVD, "Loading DVD " + disc, ("-dvd-device " + disc + " dvd://").toUtf8()));
    }
    // A disc folder with a blank reaches the engine as one argument (file names: the engine's process tests).
    QDir().mkpath(dir() + "/my disc/VIDEO_TS");
    EXPECT_EQ(SplitCommandLine(QString::fromUtf8(list.Items(list.Add(dir() + "/my disc"))->Path)),
              QStringList({"-dvd-device", dir() + "/my disc", "dvd://"}));
}

TEST_F(Playlist, UrlsAndOtherNames)
{
    const std::pair<QString, EntryKind> rows[] = {{"ftp://host/a.avi", EntryKind::URL},
                                                  {"https://host/a.mp4", EntryKind::Other}, // see PlNames
                                                  {"dvd://2", EntryKind::Other},
                                                  {"/no/such/file.avi", EntryKind::Other},
                                                  {"relative-missing.avi", EntryKind::Other}};
    for (const auto &[text, kind] : rows) {
        const int i = list.Add(text);
        ASSERT_EQ(i, list.Count() - 1);
        const TPlItem &item = *list.Items(i);
        EXPECT_EQ(std::tie(item.Kind, item.Path, item.Title), std::tuple(kind, text.toUtf8(), text));
    }
    EXPECT_EQ(list.Add(""), -1);
    EXPECT_EQ(list.Count(), 5);
}

TEST_F(Playlist, CurrentMarkerTravelsWithItsEntry)
{
    for (int i = 0; i < 6; ++i)
        list.AddItem(TZorviPlaylist::MakeItem(QString("e%1").arg(i), EntryKind::Other));
    EXPECT_EQ(list.CurrentIndex(), -1);
    changes = 0;
    list.SetCurrent(4);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.CurrentIndex(), 4);

    list.Delete(0);
    list.Delete(0);
    EXPECT_EQ(list.CurrentIndex(), 2);
    EXPECT_EQ(list.Items(2)->Title, "e4");

    list.InsertItem(0, TZorviPlaylist::MakeItem("new", EntryKind::Other));
    EXPECT_EQ(list.CurrentIndex(), 3);

    list.SetSelected(3, true);
    list.MoveSelected(-2);
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.Items(1)->Title, "e4");

    list.SetCurrent(0); // the old marker is cleared
    int marked = 0;
    for (int i = 0; i < list.Count(); ++i)
        marked += (list.Items(i)->Flags & EntryFlag::Current) ? 1 : 0;
    EXPECT_EQ(marked, 1);

    list.Delete(0); // the current entry itself goes
    EXPECT_EQ(list.CurrentIndex(), -1);

    for (int bad : {-1, list.Count(), 1000})
        EXPECT_EQ(ErrorText([&] { list.SetCurrent(bad); }), "Playlist Index Error") << bad;
    EXPECT_EQ(list.CurrentIndex(), -1);
}

TEST_F(Playlist, ScanStopsAtTheDepthLimitAndLogsWhatItSkipped)
{
    const int limit = FolderScan::MaxDepth;
    QStringList levels{dir()}; // one video at every level, the added folder being level 0
    for (int depth = 0; depth <= limit + 8; ++depth) {
        WriteFile(levels.last() + QStringLiteral("/v%1.avi").arg(depth));
        levels << levels.last() + "/d";
    }
    QStringList log;
    list.Log.Set([&log](const QString &line) { log << line; });
    EXPECT_EQ(list.Add(dir()), 0);
    EXPECT_EQ(list.Count(), limit + 1);
    EXPECT_EQ(list.Items(0)->Title,
              QStringLiteral("v%1.avi").arg(limit)); // depth first: the deepest comes first
    EXPECT_EQ(log, QStringList{"$|Folder not scanned, deeper than 32 levels: " + levels[limit + 1]});
}
