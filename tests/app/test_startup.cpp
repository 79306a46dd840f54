#include "app/ProgramOptions.h"
#include "app/Startup.h"
#include "common/FileNames.h"
#include "platform/HandOver.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <cstring>
#include <fstream>

namespace {

struct Targets {
    bool verbose = false;
    bool translator = false;
    TZorviPlaylist playlist;
    ArgumentTargets get() { return {&verbose, &translator, &playlist}; }
};

} // namespace

TEST(ProcessArgument, SwitchesOnlyInTheirExactForm)
{
    // (argument, verbose, translator, playlist entries)
    const std::tuple<const char *, bool, bool, int> rows[] = {
        {"-v", true, false, 0},           {"-translator", false, true, 0}, {"-V", false, false, 1},
        {"-Translator", false, false, 1}, {"--v", false, false, 1},        {"-v ", false, false, 1},
        {"film.avi", false, false, 1},
    };
    for (const auto &[arg, verbose, translator, entries] : rows) {
        Targets t;
        ProcessArgument(QString::fromUtf8(arg), t.get());
        EXPECT_EQ(std::tuple(t.verbose, t.translator, t.playlist.Count()),
                  std::tuple(verbose, translator, entries))
            << arg;
    }
}

TEST(MakeArgumentsAbsolute, OnlyExistingRelativeNames)
{
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkdir("folder");
    for (const char *name : {"film one.avi", "-v", "http:", "\xe9t\xe9.avi"})
        std::ofstream{name};
    const QString here = QDir::currentPath();
    const QString latin1 = DecodeFileName("\xe9t\xe9.avi"); // not UTF-8: QFileInfo cannot find it
    const std::pair<QString, QString> rows[] = {
        {"film one.avi", here + "/film one.avi"},
        {latin1, here + "/" + latin1},
        {"./folder/", here + "/folder"},
        {"folder/../film one.avi", here + "/film one.avi"},
        {"missing.avi", "missing.avi"},
        {"/etc/hostname", "/etc/hostname"},
        {"-v", "-v"}, // a switch, even with a file of that name here
        {"http://example.com/a.mp3", "http://example.com/a.mp3"},
        {"", ""},
    };
    for (const auto &[arg, expected] : rows)
        EXPECT_EQ(MakeArgumentsAbsolute({arg}), QStringList{expected}) << arg.toStdString();
    QDir::setCurrent(saved);
}

class ReceiverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        receiver.BringToFront = [this] { calls << "front"; };
        receiver.PlayEntry = [this](int i) { calls << QStringLiteral("play %1").arg(i); };
        receiver.SetForegroundWindow = [this] { calls << "foreground"; };
        t.playlist.Add("earlier.avi");
    }
    quint32 receive(const QStringList &args, quint32 magic = HandOver::Magic)
    {
        return receiver.WMCopyData(magic, HandOver::EncodePayload(args));
    }

    Targets t;
    bool singleInstance = true;
    HandOverReceiver receiver{t.get(), &singleInstance};
    ReportCapture reports;
    QStringList calls;
};

TEST_F(ReceiverTest, AppendsInOrderAndPlaysTheFirstNewEntry)
{
    EXPECT_EQ(receive({"a b.avi", QString::fromUtf8("Grüße 日本.mkv"), "-v"}), 1u);
    ASSERT_EQ(t.playlist.Count(), 3);
    EXPECT_EQ(t.playlist.Items(2)->Title, QString::fromUtf8("Grüße 日本.mkv"));
    EXPECT_TRUE(t.verbose);
    EXPECT_EQ(calls, QStringList({"front", "play 1", "foreground"}));
    EXPECT_TRUE(reports.messages.isEmpty());

    calls.clear(); // no names: playback restarts at an index past the end
    EXPECT_EQ(receiver.WMCopyData(HandOver::Magic, QByteArray(2, '\0')), 1u);
    EXPECT_EQ(t.playlist.Count(), 3);
    EXPECT_EQ(calls, QStringList({"front", "play 3", "foreground"}));
}

TEST_F(ReceiverTest, AnEntryAlreadyListedPlaysAndANameGivingNothingRestartsNothing)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("m/empty");
    WriteFile(dir.filePath("m/a.avi"));
    WriteFile(dir.filePath("m/a.srt"));
    EXPECT_EQ(receive({dir.filePath("m/a.avi"), "http://x/y"}), 1u);
    EXPECT_EQ(receive({dir.filePath("m/empty"), dir.filePath("m/../m/a.avi")}), 1u);
    EXPECT_EQ(receive({"http://x/y"}), 1u);
    EXPECT_EQ(receive({dir.filePath("m/empty"), "-v", dir.filePath("m/a.srt")}), 1u);
    EXPECT_EQ(t.playlist.Count(), 3);
    EXPECT_EQ(calls.filter("play"), QStringList({"play 1", "play 1", "play 2", "play -1"}));
}

TEST_F(ReceiverTest, NamesOverTheBoundsAreRefusedWithOneMessage)
{
    EXPECT_EQ(receive({"a.avi", QString(HandOver::MaxNameLength + 1, u'x'), "b.avi"}), 1u);
    EXPECT_EQ(t.playlist.Count(), 3);
    EXPECT_EQ(reports.messages, QStringList{TooManyOrTooLong(1)});
    EXPECT_TRUE(reports.messages.at(0).startsWith("Names not taken: 1 (at most 10000 names"));
}

TEST_F(ReceiverTest, DeclinesWithoutTouchingAnything)
{
    singleInstance = false;
    EXPECT_EQ(receive({"x.avi"}), 0u);
    singleInstance = true;
    receiver.Terminating = true;
    EXPECT_EQ(receive({"x.avi"}), 0u);
    receiver.Terminating = false;
    EXPECT_EQ(receive({"x.avi"}, 0xDA1F1DAC), 0u);
    EXPECT_EQ(reports.messages, QStringList{"Invalid data structure passed in WM_COPYDATA"});
    EXPECT_EQ(t.playlist.Count(), 1);
    EXPECT_TRUE(calls.isEmpty());
}

TEST(ProgramOptions, HelpVersionRefusalAndTheEndOfOptions)
{
    using A = ProgramOptions::Action;
    const struct {
        QStringList given;
        A outcome;
        int exitCode;
        QStringList arguments;
        const char *textStart;
    } rows[] = {
        {{"-v", "film.avi", "http://x/y"}, A::Run, 0, {"-v", "film.avi", "http://x/y"}, ""},
        {{"a.avi", "--help", "--bogus"}, A::Help, 0, {}, "Usage: zorvi "},
        {{"a.avi", "-h"}, A::Help, 0, {}, "Usage: zorvi "},
        {{"--", "-h"}, A::Run, 0, {"-h"}, ""},
        {{"--version"}, A::Version, 0, {}, "Zorvi " ZORVI_VERSION "\n"},
        {{"a.avi", "--fullscreen", "--help"}, A::Refuse, 2, {}, "zorvi: unknown option '--fullscreen'\n"},
        {{"--", "--help", "-v", "--", "-translator"},
         A::Run,
         0,
         {"--help", QDir::current().absoluteFilePath("-v"), "--",
          QDir::current().absoluteFilePath("-translator")},
         ""},
        {{"file:///tmp/my%20film.avi", "-"}, A::Run, 0, {"/tmp/my film.avi", "-"}, ""},
        {{"--engine=mpv", "a.avi", "--", "--engine=x"}, A::Run, 0, {"a.avi", "--engine=x"}, ""},
        {{"--engine=vlc", "--help"}, A::Refuse, 2, {}, "zorvi: '--engine=vlc' names no engine: write"},
        {{"--engine"}, A::Refuse, 2, {}, "zorvi: '--engine' names no engine"},
        {{"--engines=mpv"}, A::Refuse, 2, {}, "zorvi: unknown option '--engines=mpv'\n"},
    };
    for (const auto &r : rows) {
        const ProgramOptions o = ParseProgramOptions(r.given);
        EXPECT_EQ(std::tuple(o.Outcome, o.ExitCode, o.Arguments, o.Text.left(int(std::strlen(r.textStart)))),
                  std::tuple(r.outcome, r.exitCode, r.arguments, QString::fromUtf8(r.textStart)))
            << r.given.join(' ').toStdString();
    }
}

TEST(ProgramOptions, TheEngineSwitchHoldsForThisRunAndIsNeverSaved)
{
    QTemporaryDir dir;
    SettingsData settings;
    SettingsStore store(settings);
    store.SetFileName(dir.filePath("zorvi.ini"));
    WriteFile(store.FileName(), "[Options]\nEngine=mplayer\n");
    const ProgramOptions options = ParseProgramOptions({"--engine=MPV"});
    ApplyRunSettings(options, store);
    store.LoadSettings();
    EXPECT_EQ(settings.Options.Engine, "mpv");
    EXPECT_TRUE(HandOverNote(options).contains("keeps its engine"));
    store.SaveOptions(false);
    store.SaveLastSession();
    EXPECT_EQ(IniFile::Load(store.FileName()).Value("Options", "Engine"), "mplayer");
    settings.Options.Engine = "auto"; // chosen anew in the options dialog
    store.SaveOptions(false);
    EXPECT_EQ(IniFile::Load(store.FileName()).Value("Options", "Engine"), "auto");
    EXPECT_EQ(HandOverNote(ParseProgramOptions({"a.avi"})), "");
}
