// Playlist files read and written, a playlist file added to the list, and
// the order of repeat and shuffle.
#include "common/FileNames.h"
#include "playlist/PlaylistFile.h"
#include "playlist/ZorviPlaylist.h"

namespace {
QStringList Names(const PlaylistRead &read)
{
    QStringList names;
    for (const PlaylistEntry &e : read.Entries)
        names << e.Name + (e.Title.isEmpty() ? QString() : u'|' + e.Title) +
                     (e.Length > 0 ? u'|' + QString::number(e.Length) : QString());
    return names;
}

QList<PlaylistProblem> Problems(const PlaylistRead &read)
{
    QList<PlaylistProblem> problems;
    for (const auto &note : read.Problems)
        problems << note.Problem;
    return problems;
}
} // namespace

TEST(PlaylistFile, FormatsReadConfinedWriteBackAndAddToTheList)
{
    using P = PlaylistProblem;
    const struct {
        PlaylistFormat format;
        QByteArray bytes;
        QStringList names;
        QList<P> problems;
        int current = -1;
    } rows[] = {
        {PlaylistFormat::M3U8,
         "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:61 tvg-name=\"a,b\",First, one\r\nsub/a.avi\r\n#ZORVI-CURRENT:1\n"
         "/abs/b.mkv\nhttp://h/s.m3u8\nfile:///x/c%20d.ogg\nfile://elsewhere/e.avi\nsmb://h/f.avi\n"
         "inner.M3U\n  \n#EXTINF:5,no file follows\n",
         {"/pl/sub/a.avi|First, one|61", "/abs/b.mkv", "http://h/s.m3u8", "/x/c d.ogg"},
         {P::Scheme, P::Nested},
         1},
        {PlaylistFormat::PLS,
         "[other]\nFile1=/no.avi\n[Playlist]\nFile2=../b.avi\nTitle2=B\nLength2=-1\nFILE1=a.avi\nLength1=30\n"
         "NumberOfEntries=2\n",
         {"/pl/a.avi|30", "/b.avi|B"},
         {}},
        {PlaylistFormat::XSPF,
         "<?xml version=\"1.0\"?><playlist xmlns=\"http://xspf.org/ns/0/\"><trackList>"
         "<track><location> file:///m/a%C3%A9%FF.ogg "
         "</location><title>T</title><duration>61500</duration></track>"
         "<track><location>rel%20x/b.avi</location></track><track><title>no location</title></track>"
         "<track><location>ftp://h/c.mp3</location><location>http://second</location></track>"
         "</trackList></playlist>",
         {QStringLiteral("/m/a\u00e9") + DecodeFileName("\xFF") + ".ogg|T|61.5", "/pl/rel x/b.avi",
          "ftp://h/c.mp3"},
         {}},
        {PlaylistFormat::XSPF,
         "<a>" + QByteArray(40 * 3, 'x').replace("xxx", "<b>") + "</a>",
         {},
         {P::BadXml}},
        {PlaylistFormat::XSPF, "<playlist><track><location>a.avi</track>", {}, {P::BadXml}},
        {PlaylistFormat::M3U,
         "a.avi\n" + QByteArray(PlaylistFile::MaxLineBytes + 1, 'b') + "\nc.avi",
         {"/pl/a.avi", "/pl/c.avi"},
         {P::LineTooLong}},
        {PlaylistFormat::M3U, QByteArray(PlaylistFile::MaxBytes + 1, '\n'), {}, {P::TooLarge}}};
    for (const auto &row : rows) {
        const PlaylistRead read = PlaylistFile::Parse(row.bytes, row.format, QStringLiteral("/pl"));
        EXPECT_EQ(Names(read), row.names) << row.bytes.left(60).constData();
        EXPECT_EQ(Problems(read), row.problems) << row.bytes.left(60).constData();
        EXPECT_EQ(read.Current, row.current);
    }
    QByteArray many("[playlist]\n");
    for (qsizetype i = 0; i <= PlaylistFile::MaxEntries; ++i)
        many += "File" + QByteArray::number(i + 1) + "=x\n";
    const PlaylistRead capped = PlaylistFile::Parse(many, PlaylistFormat::PLS, QStringLiteral("/pl"));
    EXPECT_EQ(capped.Entries.size(), PlaylistFile::MaxEntries);
    EXPECT_EQ(Problems(capped), QList<P>{P::TooManyEntries});
    const QString odd = DecodeFileName("/m/caf\xE9 \"x\" #1.avi");
    const QList<PlaylistEntry> entries = {
        {odd, false, QStringLiteral("Caf\u00e9"), 61},
        {QStringLiteral("/m/line\nbreak.avi "), false, {}, 0},
        {QStringLiteral("rtsp://h/s?a=1&b=2"), true, QStringLiteral("<Live>"), 0}};
    for (const PlaylistFormat format :
         {PlaylistFormat::M3U, PlaylistFormat::M3U8, PlaylistFormat::PLS, PlaylistFormat::XSPF}) {
        const PlaylistRead back =
            PlaylistFile::Parse(PlaylistFile::Write(entries, format, 2), format, QStringLiteral("/other"));
        ASSERT_EQ(back.Entries.size(), entries.size()) << int(format);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const PlaylistEntry &b = back.Entries[i], &e = entries[i];
            EXPECT_EQ(std::tuple(b.Name, b.IsUrl, b.Title, b.Length),
                      std::tuple(e.Name, e.IsUrl, ReadableFileName(e.Title), e.Length))
                << int(format);
        }
        const bool m3u = format == PlaylistFormat::M3U || format == PlaylistFormat::M3U8;
        EXPECT_EQ(back.Current, m3u ? 2 : -1);
    }
    QTemporaryDir tmp;
    const QString list = tmp.path() + "/my list.m3u";
    WriteFile(list, "#EXTINF:90,The clip\nclip one.avi\nother.pls\n");
    TZorviPlaylist playlist;
    QStringList problems;
    playlist.FileProblems.Set([&](const QString &file, const QList<PlaylistRead::Note> &notes) {
        problems << file << notes.front().Example;
    });
    EXPECT_EQ(playlist.Add(list), 0);
    ASSERT_EQ(playlist.Count(), 1);
    const TPlItem &item = *playlist.Items(0);
    EXPECT_EQ(std::tuple(item.Kind, item.Title, item.Length),
              std::tuple(EntryKind::File, QStringLiteral("The clip"), 90.f));
    EXPECT_EQ(problems, QStringList({list, tmp.path() + "/other.pls"}));
    const QList<PlaylistEntry> entries2 = playlist.Entries();
    ASSERT_EQ(entries2.size(), 1);
    EXPECT_EQ(entries2[0].Name, tmp.path() + "/clip one.avi"); // the engine's quotes are not part of it
}

TEST(PlayOrder, RepeatAndShuffleChooseWhatFollows)
{
    TZorviPlaylist list;
    for (const char *name : {"/a", "/b", "/c", "/d"})
        list.AddItem(TZorviPlaylist::MakeItem(QLatin1String(name), EntryKind::File));
    list.SetCurrent(3);
    EXPECT_EQ(list.NextIndex(true), -1);
    list.SetRepeat(RepeatMode::All);
    EXPECT_EQ(list.NextIndex(true), 0);
    list.SetCurrent(0);
    EXPECT_EQ(list.PreviousIndex(), 3);
    list.SetRepeat(RepeatMode::One);
    EXPECT_EQ(list.NextIndex(true), 0);  // at its end the entry plays again
    EXPECT_EQ(list.NextIndex(false), 1); // the user's "next" moves on
    EXPECT_EQ(list.PreviousIndex(), -1);

    // Shuffled rounds: each entry once a round; an entry added mid-round
    // plays in it, a removed one does not.
    list.SetRepeat(RepeatMode::All);
    list.SetShuffle(true);
    auto title = [&list](int index) { return list.Items(index)->Title; };
    bool changed = false;
    for (int round = 0; round < 3; ++round) {
        QStringList played{title(list.CurrentIndex())};
        while (played.size() < list.Count()) {
            const int next = list.NextIndex(true);
            ASSERT_FALSE(played.contains(title(next))) << round;
            if (round == 1 && played.size() == 2 && !std::exchange(changed, true)) {
                list.AddItem(TZorviPlaylist::MakeItem(QStringLiteral("/e"), EntryKind::File));
                list.Delete(next); // not played yet: it leaves the round
                continue;
            }
            list.SetCurrent(next);
            played << title(next);
            EXPECT_EQ(title(list.PreviousIndex()), played[played.size() - 2]);
        }
        const int last = list.CurrentIndex();
        const int first = list.NextIndex(true);
        EXPECT_NE(first, last); // a new round does not begin with the entry just played
        list.SetCurrent(first);
    }
    list.SetRepeat(RepeatMode::Off);
    list.SetShuffle(true);
    for (int i = 1; i < list.Count(); ++i)
        list.SetCurrent(list.NextIndex(true));
    EXPECT_EQ(list.NextIndex(true), -1);
}
