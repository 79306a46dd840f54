// The engine command line text built from the settings, the entry and the state.
#include "OutputRecorder.h"
#include "common/FileNames.h"
#include "common/TextHelpers.h"
#include "engine/mplayer/CommandLineBuilder.h"
#include "platform/EngineOptions.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsData.h"

#include <QStandardPaths>
#include <fstream>

namespace {
class CommandLineTest : public ::testing::Test {
protected:
    SettingsData settings;
    OutputRecorder sink; // the state's commands go nowhere
    PlaybackState state{sink};
    CommandLineBuilder builder{settings, QStringLiteral("/opt/zorvi/")};
    const VideoTarget video{4242, 0x050702};
};

const QString kHead = QStringLiteral("-slave -wid 4242 -colorkey 0x050702 -nokeepaspect");
const QString kTail = QStringLiteral(" -vf-add screenshot -af-add scaletempo -vf-add expand=osd=1 -noslices "
                                     "-subcp ISO-8859-1 -subfont-text-scale 3.5");
} // namespace

TEST_F(CommandLineTest, OptionVariants)
{
    builder.PrepareFontOption();
    const QString head = kHead + " -font " + DefaultFontPath();
    const struct {
        std::function<void(OptionsSettings &, PlaybackState &)> change;
        QString expected; // the options between "-nokeepaspect" and the fixed tail
    } rows[] = {
        {[](auto &o, auto &) { o.Verbose = true, o.OSDLevel = 1; },
         " -osdlevel 2 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {[](auto &o, auto &) { o.OSDLevel = 3; }, " -osdlevel 3 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {[](auto &o, auto &) { o.Cache = true, o.CacheSize = 100; },
         " -osdlevel 0 -cache 100 -vo gl -ao pulse,alsa -framedrop"},
        {[](auto &o, auto &) { o.Cache = true, o.CacheSize = 0; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {[](auto &o, auto &) { o.VideoOut = 7, o.AudioOut = 7; }, " -osdlevel 0 -nocache -framedrop"},
        {[](auto &o, auto &) { o.VideoOut = 0, o.AudioOut = 0; },
         " -osdlevel 0 -nocache -vo x11 -zoom -ao alsa -framedrop"},
        {[](auto &, auto &s) { s.AudioTrackProp.Value = 2; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -aid 2 -framedrop"},
        {[](auto &o, auto &s) { s.AudioTrackProp.Value = 2, o.AudioOut = 0; },
         " -osdlevel 0 -nocache -vo gl -ao alsa -framedrop"},
        {[](auto &, auto &s) { s.AspectIndex = 3; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -aspect 2.35 -framedrop"},
        {[](auto &o, auto &) { o.PriorityBoost = true; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop"},
    };
    for (const auto &row : rows) {
        settings = SettingsData();
        state.AudioTrackProp.Value = -1;
        state.AspectIndex = 0;
        row.change(settings.Options, state);
        EXPECT_EQ(builder.Options(state, video).join(u' '), head + row.expected + kTail)
            << row.expected.toStdString();
    }
    settings = SettingsData();
    settings.LastSession.FrameDrop = false;
    settings.LastSession.PostProc = true;
    auto options = [&] { return builder.Options(state, video).join(u' '); };
    EXPECT_TRUE(options().contains("-ao pulse,alsa -vf-add pp -autoq 6 -vf-add screenshot"));
    settings.Options.CustomPostProc = "-vf-add pp=hb";
    EXPECT_TRUE(options().contains("-ao pulse,alsa -vf-add pp=hb -vf-add screenshot"));
    state.SubtitleScaleProp.Value = 4;
    state.SubtitleDelayProp.Value = 0.1f;
    EXPECT_TRUE(options().endsWith(" -subfont-text-scale 4 -subdelay 0.100000001490116"));
}

TEST_F(CommandLineTest, EnginePathResolution)
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("mplayer"));
    const struct {
        QString stored, expected;
    } rows[] = {
        {"mplayer", found},
        {"/opt/mp/mplayer", "/opt/mp/mplayer"},
        {"bin/mplayer", "/opt/zorvi/bin/mplayer"},
        {"no-such-engine-here", "no-such-engine-here"},
    };
    for (const auto &row : rows) {
        settings.Options.MPlayerPath = row.stored;
        EXPECT_EQ(builder.EnginePath(), row.expected) << row.stored.toStdString();
    }
}

TEST_F(CommandLineTest, PathsReachTheEngineAsSingleArgumentsAndTheLogQuotesThem)
{
    settings.Options.MPlayerPath = QStringLiteral("/opt/my player/mplayer");
    settings.Options.AddParams[1] = {true, QStringLiteral("-fs -loop 0")};
    settings.Options.AddParams[2] = {false, QStringLiteral("-nosound")};
    state.FirstOpen = false;
    state.SubtitleFiles = "/s/a b.srt,/s/c.srt";
    state.MediaURL = "\"/m/a b.avi\""; // as the playlist stores it
    const EngineCommandLine line = builder.CommandLine(state, video);
    EXPECT_EQ(line.Program, "/opt/my player/mplayer");
    EXPECT_EQ(line.Arguments.mid(line.Arguments.size() - 7),
              QStringList({"-fs", "-loop", "0", "-sub", "/s/a b.srt,/s/c.srt", "--", "/m/a b.avi"}));
    EXPECT_EQ(line.SubtitleFiles, 2);
    EXPECT_TRUE(line.Text().startsWith("\"/opt/my player/mplayer\" -slave -wid 4242 "))
        << line.Text().toStdString();
    EXPECT_TRUE(line.Text().endsWith(" -sub \"/s/a b.srt,/s/c.srt\" -- \"/m/a b.avi\""));
    state.FirstOpen = true;
    EXPECT_TRUE(builder.CommandLine(state, video).Arguments.contains("-identify"));
    state.OpenMode = EntryKind::DVDTitle; // a DVD title is never identified
    EXPECT_FALSE(builder.CommandLine(state, video).Arguments.contains("-identify"));
}

TEST_F(CommandLineTest, NamesFollowDashDashAndUnsafeOnesGoThroughPrivateAliases)
{
    QTemporaryDir tmp;
    const QByteArray forged = tmp.path().toUtf8() + "/a\nANS_LENGTH=4242\nStarting playback...\n.avi";
    const QByteArray raw = tmp.path().toUtf8() + "/\xff\xfe.mkv";
    const QByteArray sub = tmp.path().toUtf8() + "/\xe9t\xe9.srt";
    for (const QByteArray &name : {forged, raw, sub})
        ASSERT_TRUE(std::ofstream(name.toStdString()).good());
    auto target = [](const QString &link) {
        char bytes[4096];
        const ssize_t n = ::readlink(link.toLatin1().constData(), bytes, sizeof bytes);
        return QByteArray(bytes, qMax<ssize_t>(n, 0));
    };
    // The last n arguments for an entry.
    auto tail = [&](EntryKind kind, const QByteArray &url, qsizetype n) {
        state.OpenMode = kind, state.MediaURL = url;
        return builder.CommandLine(state, video).Arguments.last(n);
    };
    EXPECT_EQ(tail(EntryKind::Other, "-vo", 2), QStringList({"--", "-vo"}));
    EXPECT_EQ(tail(EntryKind::DVDTitle, "-dvd-device /dev/sr0 dvd://2", 4),
              QStringList({"-dvd-device", "/dev/sr0", "--", "dvd://2"}));
    QStringList aliases;
    for (const QByteArray &name : {forged, raw}) {
        const QStringList a =
            tail(EntryKind::File, TZorviPlaylist::MakeItem(DecodeFileName(name), EntryKind::File).Path, 2);
        ASSERT_EQ(a.first(), "--");
        aliases << a.last();
        EXPECT_TRUE(aliases.last().endsWith(name.right(4))) << aliases.last().toStdString();
        EXPECT_EQ(target(aliases.last()), name);
        EXPECT_EQ(QFileInfo(QFileInfo(aliases.last()).path()).permissions() & 0x0077, 0);
    }
    EXPECT_FALSE(QFileInfo::exists(aliases.first())); // the next run's aliases replace it
    // A subtitle file whose name is not UTF-8 goes through an alias too; a plain one as it is.
    state.SubtitleFiles = "/s/a.srt," + sub;
    const QStringList args = builder.CommandLine(state, video).Arguments;
    const QStringList subs = args.value(int(args.indexOf("-sub")) + 1).split(u',');
    EXPECT_EQ(subs.first(), "/s/a.srt");
    EXPECT_EQ(target(subs.last()), sub);
    state.OpenMode = EntryKind::URL, state.MediaURL = "http://x/\nID_LENGTH=1";
    const EngineCommandLine refused = builder.CommandLine(state, video);
    EXPECT_TRUE(refused.Arguments.isEmpty());
    EXPECT_TRUE(refused.Refusal.endsWith("http://x/?ID_LENGTH=1")) << refused.Refusal.toStdString();
}
