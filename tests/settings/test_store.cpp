#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <QLocale>
#include <clocale>

namespace {

const QByteArray kDefaultLastSession = "[LastSession]\nCompact=0\nHideFSControls=1\nOnTop=0\nWindowSize=0\n"
                                       "WindowKeepAspect=1\nWinRatio=1.77777779102325\nWinCenter=1\nLeft=0\n"
                                       "Top=0\nWidth=300\nHeight=200\nSkin=\nVolume=75\nMute=0\nFrameDrop=1\n"
                                       "PostProc=0\nSubScale=3.5\nLastOptionsTab=0\nRepeat=0\nShuffle=0\n";

// Every case runs twice: in the C locale and under a German one (comma as
// decimal separator), where the file must read and write the same.
class SettingsStoreTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        path = dir.filePath("zorvi.ini");
        store.SetFileName(path);
        savedLocale = std::setlocale(LC_NUMERIC, nullptr);
        if (GetParam()) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
                std::setlocale(LC_NUMERIC, "de_DE");
        }
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, savedLocale.c_str());
    }

    QTemporaryDir dir;
    QString path;
    SettingsData data;
    SettingsStore store{data};
    std::string savedLocale;
};

TEST_P(SettingsStoreTest, DefaultsWithoutAFileAndTheFirstExitWritesLastSessionOnly)
{
    const QString nested = dir.filePath("config/zorvi/zorvi.ini"); // in a per-user folder not made yet
    store.SetFileName(nested);
    data.LastSession.Width = 999;
    data.Options.Local = "x.lng";
    store.LoadSettings();
    EXPECT_EQ(data.LastSession.Width, 300);
    EXPECT_EQ(data.Options.Local, "en");
    EXPECT_FALSE(QFile::exists(nested)); // loading never writes
    store.SaveLastSession();
    EXPECT_EQ(ReadFile(nested), kDefaultLastSession);
}

TEST_P(SettingsStoreTest, ValuesThatBreakArithmeticTakeTheDefault)
{
    const std::pair<const char *, float> rows[] = {
        {"0", 16.f / 9.f},    {"-1.5", 16.f / 9.f}, {"nan", 16.f / 9.f}, {"inf", 16.f / 9.f},
        {"1e39", 16.f / 9.f}, {"1,5", 16.f / 9.f},  {"2.35", 2.35f},     {"1.33333337306976", 4.f / 3.f}};
    for (const auto &[text, winRatio] : rows) {
        WriteFile(path, QByteArray("[LastSession]\nWinRatio=") + text + "\nWidth=99999999999\n");
        store.LoadSettings();
        EXPECT_EQ(data.LastSession.WinRatio, winRatio) << text;
        EXPECT_EQ(data.LastSession.Width, 300) << "too large for an integer";
    }
}

TEST_P(SettingsStoreTest, VerboseSwitchAgainstTheFile)
{
    // (given "-v", file, verbose after loading)
    const std::tuple<bool, const char *, bool> rows[] = {
        {true, "[Options]\nVerbose=0\n", false}, // the file wins over "-v"
        {true, "[Options]\n", true},             // absent: "-v" stays
        {false, "[Options]\nverbose=1\n", true},
        {false, "", false},
        {true, "[Options]\nVerbose=junk\n", true},
    };
    for (const auto &[switchGiven, file, expected] : rows) {
        WriteFile(path, file);
        data.Options.Verbose = switchGiven; // what "-v" did before loading
        store.LoadSettings();
        EXPECT_EQ(data.Options.Verbose, expected) << file;
    }
}

TEST_P(SettingsStoreTest, OptionsAreWrittenInTheirOrderButNeverVerbose)
{
    data.Options.AddParams[1] = {true, "-nosound"};
    data.Options.Verbose = true;
    store.SaveOptions(false);
    EXPECT_EQ(ReadFile(path),
              "[Options]\nSingleInstance=1\nStartFullscreen=0\nResizeOnOpen=1\nSnap=1\n"
              "MPlayerPath=mplayer\nAddParams0=0\nAddParams0str=\nAddParams1=1\n"
              "AddParams1str=-nosound\nAddParams2=0\nAddParams2str=\nAudioOut=3\n"
              "CustomAudioOut=-ao alsa\nMuteOnPauseSeek=1\nVideoOut=3\n"
              "CustomVideoOut=-vo x11 -zoom\nCustomPostProc=\nPriorityBoost=0\nCache=0\n"
              "CacheSize=5120\nOSDLevel=0\nLocal=en\nResume=1\nResumeMinLength=180\nRestorePlaylist=1\n"
              "Engine=auto\nMpvPath=mpv\nHardwareDecoding=0\nMpvCustomVideoOut=--vo=x11\n"
              "MpvCustomAudioOut=--ao=alsa\n");
    data.Options.AddParams[1] = {};
    store.LoadSettings();
    EXPECT_TRUE(data.Options.AddParams[1].Enabled);
    EXPECT_EQ(data.Options.AddParams[1].Text, "-nosound");
}

TEST_P(SettingsStoreTest, ShortcutsAndOtherSectionsComeFromAndStayInTheSameFile)
{
    WriteFile(
        path,
        "; my notes\n[Options]\nSnap=0\nOld=kept\n\n[LastSession]\nWidth=640\nCustom=1\n[Shortcuts]\nK1=65,"
        "play\n");
    QString seen;
    store.ReadShortcuts = [&](const IniFile &ini) { seen = ini.ReadString("shortcuts", "k1", ""); };
    store.LoadSettings();
    EXPECT_EQ(seen, "65,play");
    EXPECT_FALSE(data.Options.Snap);
    // The last session is written in place: the rest of the file stays as it was.
    data.LastSession.Width = 800;
    store.SaveLastSession();
    const QByteArray text = ReadFile(path);
    EXPECT_TRUE(
        text.startsWith("; my notes\n[Options]\nSnap=0\nOld=kept\n\n[LastSession]\nWidth=800\nCustom=1\n"
                        "Compact=0\n"))
        << text.constData();
    EXPECT_TRUE(text.contains("[Shortcuts]\nK1=65,play\n")) << text.constData();

    data.Options.Snap = true;
    int writes = 0;
    store.WriteShortcuts = [&](IniFile &ini) {
        ++writes;
        ini.EraseSection("Shortcuts");
        ini.WriteString("Shortcuts", "K1", "66,stop");
    };
    store.SaveOptions(false);
    IniFile ini = IniFile::Load(path);
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(ini.Value("LastSession", "Width"), "800");
    EXPECT_EQ(ini.Value("Shortcuts", "K1"), "65,play");
    EXPECT_EQ(ini.Value("Options", "Snap"), "1");
    EXPECT_EQ(ini.Value("Options", "Old"), "kept");
    EXPECT_FALSE(ReadFile(path).contains("; my notes")); // rewritten as parsed

    store.SaveOptions(true);
    ini = IniFile::Load(path);
    EXPECT_EQ(std::pair(writes, ini.Value("Shortcuts", "K1")),
              std::pair(1, std::optional<QString>("66,stop")));
    EXPECT_EQ(ini.Value("LastSession", "Width"), "800");
}

TEST_P(SettingsStoreTest, BoundHoldersAreReadAndWritten)
{
    float volume = 10;
    bool verbose = true;
    store.Bind("Volume", &volume);
    store.Bind("verbose", &verbose);
    EXPECT_THROW(store.Bind("Volume", &verbose), std::logic_error);
    EXPECT_THROW(store.Bind("NoSuchKey", &volume), std::logic_error);
    WriteFile(path, "[LastSession]\nVolume=42.5\n");
    store.LoadSettings();
    EXPECT_EQ(volume, 42.5f);
    EXPECT_EQ(data.LastSession.Volume, 75.f);
    EXPECT_TRUE(verbose); // its own current value is the default
    volume = 33;
    store.SaveLastSession();
    EXPECT_EQ(IniFile::Load(path).Value("LastSession", "Volume"), "33");
}

TEST_P(SettingsStoreTest, UnreadableFileIsReportedAndEveryValueTakesItsDefault)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("zorvi.ini")); // there, but nothing to read
    data.LastSession.Width = 1;
    ReportCapture reports;
    store.LoadSettings();
    EXPECT_EQ(reports.take(), QStringList{"Unable to read " + path});
    EXPECT_EQ(data.LastSession.Width, SettingsData().LastSession.Width);
}

INSTANTIATE_TEST_SUITE_P(Locales, SettingsStoreTest, ::testing::Values(false, true),
                         [](const auto &testInfo) { return testInfo.param ? "German" : "C"; });

} // namespace
