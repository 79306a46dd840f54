// The engine command line text built from the settings and the entry.
#include "EngineFixture.h"
#include "common/CommandLine.h"
#include "common/TextHelpers.h"
#include "platform/EngineOptions.h"

#include <QStandardPaths>

namespace {
class CommandLineTest : public EngineFixture {
protected:
    QString Options() { return core.BuildEngineOptions(); }
};

const char *const kTail = " -vf-add expand=osd=1 -noslices -subcp ISO-8859-1 -subfont-text-scale 3.5";
} // namespace

TEST_F(CommandLineTest, DefaultSettingsFirstOpen)
{
    core.PrepareFontOption();
    core.MediaURL = "/media/a.avi";
    core.FirstOpen = true;
    const QString mplayer = QStandardPaths::findExecutable(QStringLiteral("mplayer"));
    ASSERT_FALSE(mplayer.isEmpty());
    const QString font = DefaultFontPath();
    ASSERT_FALSE(font.isEmpty());
    EXPECT_EQ(core.BuildCommandLine(), mplayer +
                                           " -slave  -wid 4242 -colorkey 0x050702 -nokeepaspect -font " +
                                           font + " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop" +
                                           kTail + " -identify /media/a.avi");
}

TEST_F(CommandLineTest, OptionVariants)
{
    struct Row {
        const char *name;
        std::function<void(SettingsData &, EngineCore &)> change;
        QString expected; // the options between "-nokeepaspect" and the fixed tail
    };
    const Row rows[] = {
        {"defaults", [](SettingsData &, EngineCore &) {},
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {"verbose osd",
         [](SettingsData &s, EngineCore &) {
             s.Options.Verbose = true;
             s.Options.OSDLevel = 1;
         },
         " -osdlevel 2 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {"osd level", [](SettingsData &s, EngineCore &) { s.Options.OSDLevel = 3; },
         " -osdlevel 3 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {"cache",
         [](SettingsData &s, EngineCore &) {
             s.Options.Cache = true;
             s.Options.CacheSize = 100;
         },
         " -osdlevel 0 -cache 100 -vo gl -ao pulse,alsa -framedrop"},
        {"cache size 0",
         [](SettingsData &s, EngineCore &) {
             s.Options.Cache = true;
             s.Options.CacheSize = 0;
         },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop"},
        {"outputs out of range",
         [](SettingsData &s, EngineCore &) {
             s.Options.VideoOut = 7;
             s.Options.AudioOut = 7;
         },
         " -osdlevel 0 -nocache -framedrop"},
        {"null outputs",
         [](SettingsData &s, EngineCore &) {
             s.Options.VideoOut = 1;
             s.Options.AudioOut = 1;
         },
         " -osdlevel 0 -nocache -vo null -ao null -framedrop"},
        {"xv alsa",
         [](SettingsData &s, EngineCore &) {
             s.Options.VideoOut = 2;
             s.Options.AudioOut = 2;
         },
         " -osdlevel 0 -nocache -vo xv -ao alsa -framedrop"},
        {"custom outputs",
         [](SettingsData &s, EngineCore &) {
             s.Options.VideoOut = 0;
             s.Options.AudioOut = 0;
         },
         " -osdlevel 0 -nocache -vo x11 -zoom -ao alsa -framedrop"},
        {"audio stream forced", [](SettingsData &, EngineCore &c) { c.AudioTrackProp.Value = 2; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -aid 2 -framedrop"},
        {"no -aid with custom audio",
         [](SettingsData &s, EngineCore &c) {
             c.AudioTrackProp.Value = 2;
             s.Options.AudioOut = 0;
         },
         " -osdlevel 0 -nocache -vo gl -ao alsa -framedrop"},
        {"aspect", [](SettingsData &, EngineCore &c) { c.AspectIndex = 3; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -aspect 2.35 -framedrop"},
        {"no framedrop, postproc",
         [](SettingsData &s, EngineCore &) {
             s.LastSession.FrameDrop = false;
             s.LastSession.PostProc = true;
         },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -vf-add pp -autoq 6"},
        {"custom postproc",
         [](SettingsData &s, EngineCore &) {
             s.LastSession.PostProc = true;
             s.Options.CustomPostProc = "-vf-add pp=hb";
         },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop -vf-add pp=hb"},
        {"no priority option", [](SettingsData &s, EngineCore &) { s.Options.PriorityBoost = true; },
         " -osdlevel 0 -nocache -vo gl -ao pulse,alsa -framedrop"},
    };
    for (const Row &row : rows) {
        SettingsData fresh;
        settings = fresh;
        core.AudioTrackProp.Value = -1;
        core.AspectIndex = 0;
        row.change(settings, core);
        EXPECT_EQ(Options(), " -slave  -wid 4242 -colorkey 0x050702 -nokeepaspect" + row.expected + kTail)
            << row.name;
    }
}

TEST_F(CommandLineTest, SubtitleScaleAndDelayAsFloats)
{
    core.SubtitleScaleProp.Value = 4;
    core.SubtitleDelayProp.Value = 0.1f;
    EXPECT_TRUE(Options().endsWith(" -subfont-text-scale 4 -subdelay 0.100000001490116"));
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
        {"./mplayer/mplayer", "/opt/zorvi/mplayer/mplayer"},
        {"no-such-engine-here", "no-such-engine-here"},
    };
    for (const auto &row : rows) {
        settings.Options.MPlayerPath = row.stored;
        EXPECT_EQ(core.EnginePath(), row.expected) << row.stored.toStdString();
    }
}

TEST_F(CommandLineTest, PathsReachTheEngineAsSingleArguments)
{
    settings.Options.MPlayerPath = QStringLiteral("/opt/my player/mplayer");
    settings.Options.AddParams[1] = {true, QStringLiteral("-fs -loop 0")};
    settings.Options.AddParams[2] = {false, QStringLiteral("-nosound")};
    core.FirstOpen = false;
    core.SubtitleFiles = QuoteIfSpaces(QStringLiteral("/s/a b.srt")).toUtf8() + ",/s/c.srt";
    const TPlItem item = TZorviPlaylist::MakeItem(QStringLiteral("/m/a\" -dumpfile \"x"), EntryKind::File);
    core.MediaURL = item.Path;
    const QString line = core.BuildCommandLine();
    EXPECT_TRUE(line.startsWith("\"/opt/my player/mplayer\" -slave "));
    const QStringList args = SplitCommandLine(line);
    EXPECT_EQ(args.first(), "/opt/my player/mplayer");
    EXPECT_EQ(args.last(), "/m/a\" -dumpfile \"x");
    EXPECT_FALSE(args.contains("-dumpfile"));
    EXPECT_FALSE(args.contains("-identify"));
    EXPECT_FALSE(args.contains("-nosound"));
    const int sub = int(args.indexOf("-sub"));
    ASSERT_GT(sub, 0);
    EXPECT_EQ(args[sub + 1], "/s/a b.srt,/s/c.srt");
    EXPECT_EQ(args[sub - 3], "-fs");
}

TEST_F(CommandLineTest, DvdTitleIsNotIdentified)
{
    core.FirstOpen = true;
    core.OpenMode = EntryKind::DVDTitle;
    core.MediaURL = "-dvd-device /dev/sr0 dvd://2";
    EXPECT_TRUE(core.BuildCommandLine().endsWith("3.5 -dvd-device /dev/sr0 dvd://2"));
}

TEST(EngineVersion, ParsedFromTheBanner)
{
    EXPECT_EQ(EngineCore::ParseEngineVersion("MPlayer UNKNOWN-12 (C) 2000-2023 MPlayer Team\nUsage"),
              "UNKNOWN-12");
    EXPECT_EQ(EngineCore::ParseEngineVersion("junk\nMPlayer 1.5-12.2.0 (C) 2000-2022 MPlayer Team\n"),
              "1.5-12.2.0");
    EXPECT_EQ(EngineCore::ParseEngineVersion("bash: mplayer: not found"), "?");
    EXPECT_EQ(EngineCore::ParseEngineVersion(""), "?");
}
