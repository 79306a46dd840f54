// Single instance with two real processes: this test process is the running
// copy (the real main window, playlist and channel), the second start is the
// real zorvi program.
#include "app/Startup.h"
#include "i18n/Localization.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/WindowEngine.h"
#include "options/OptionsEngine.h"
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
#include "support/PlaylistTitles.h"

#include <QApplication>
#include <fstream>

namespace {

// An engine link for the main window that starts nothing: it records the
// entries it was asked to play.
class RecordingEngine : public WindowEngine, private CommandSink, private OptionsEngine {
public:
    QList<int> Played;

    const PlaybackState &State() const override { return m_state; }
    bool IsRunning() const override { return false; }
    void PlayEntry(int index) override { Played << index; }
    void ExecuteCommand(const QString &) override {}
    void RegisterCommand(const QString &, CommandTable::Action) override {}
    void Tick() override {}
    void LoadSubtitle(const QString &) override {}
    void SetAspect(int) override {}
    void SetPostProc(bool) override {}
    void SetFrameDrop(bool) override {}
    void ToggleMute() override {}
    void SelectTrack(TrackMenu, int) override {}
    void Shutdown() override {}
    OptionsEngine &Options() override { return *this; }

private:
    void SendCommand(const QByteArray &) override {}
    void PostCommand(const QByteArray &) override {}
    void PostAbsolute(const QByteArray &) override {}
    void Stop() override {}
    void StartAgain() override {}
    void DetectVersion() override {}
    QString Version() const override { return QStringLiteral("?"); }

    PlaybackState m_state{*this};
};

class InstanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        EnsureApp<QApplication>();
        s_prog = new QTemporaryDir;
        s_runtime = new QTemporaryDir;
        // A copy of the program in a folder of its own: its zorvi.ini goes there.
        const QString built = qEnvironmentVariable("ZORVI_BUILD_DIR") + "/bin/zorvi";
        ASSERT_TRUE(QFile::copy(built, s_prog->filePath("zorvi"))) << built.toStdString();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s_runtime->path()));
    }
    static void TearDownTestSuite()
    {
        delete s_prog;
        delete s_runtime;
    }

    void SetUp() override
    {
        const auto makeEngine = [this](const EngineHost &) -> std::unique_ptr<WindowEngine> {
            auto made = std::make_unique<RecordingEngine>();
            engine = made.get();
            return made;
        };
        form = std::make_unique<TMainForm>(
            ProgramParts{settings, store, playlist, shortcuts, locale, {}, makeEngine}, QStringList{});
        ConnectHandOver(receiver, *form);
        server = std::make_unique<Platform::InstanceServer>(
            Platform::InstanceSocketPath(),
            [this](quint32 m, const QByteArray &p) { return HandOverToForm(receiver, *form, m, p); });
        ASSERT_TRUE(server->Listen());
        form->show();
    }

    static QString exe() { return s_prog->filePath("zorvi"); }

    // Starts the program and handles this copy's events until it ends; its
    // exit code, -1 when it had to be killed (its standard error then fails the test).
    int second(const QStringList &args, const QString &program = exe(), int timeoutMs = 15000)
    {
        QProcess p;
        p.setProgram(program);
        p.setArguments(args);
        p.setWorkingDirectory(work.path());
        p.start();
        const bool finished = WaitFor([&] { return p.state() == QProcess::NotRunning; }, timeoutMs);
        if (!finished) {
            p.kill();
            p.waitForFinished(3000);
        }
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return finished ? p.exitCode() : -1;
    }

    static inline QTemporaryDir *s_prog = nullptr;
    static inline QTemporaryDir *s_runtime = nullptr;
    QTemporaryDir work;
    SettingsData settings;
    SettingsStore store{settings};
    TZorviPlaylist playlist;
    TShortcutList shortcuts;
    Localization locale{settings, {}, {}};
    HandOverReceiver receiver{ArgumentTargets{&settings.Options.Verbose, &locale.TranslatorMode, &playlist},
                              &settings.Options.SingleInstance};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<Platform::InstanceServer> server;
    ReportCapture reports;
    RecordingEngine *engine = nullptr;
};

} // namespace

TEST_F(InstanceTest, NamesArriveExactlyInOrderRelativeOnesAbsolute)
{
    playlist.Add("already there.avi");
    ASSERT_EQ(second({}), 0); // a start without names hands over too: playback restarts
    const QString spaced = "  two  spaces and\ttab .avi";
    const QString foreign = QString::fromUtf8("Grüße – 日本語 😀.mkv");
    const QString existing = QString::fromUtf8("Ära \"quoted\" ü.avi");
    WriteFile(work.filePath(existing));
    WriteFile(work.filePath("sub/clip.avi"));
    // A name in an old 8-bit code page, given as its bytes (QProcess would recode it).
    const QByteArray latin1 = QFile::encodeName(work.path()) + "/\xe9t\xe9.avi";
    ASSERT_TRUE(std::ofstream(latin1.toStdString()).good());
    ASSERT_NE(QDir::currentPath(), work.path());
    form->hide();
    const QString url = QString::fromUtf8("http://example.com/a b?c=ä");
    ASSERT_EQ(second({"-c", R"sh(exec "$0" "$@" "$(printf '\351t\351.avi')")sh", exe(), spaced, foreign,
                      existing, url, "sub/clip.avi"},
                     "/bin/sh"),
              0);
    EXPECT_EQ(Titles(playlist), QStringList({"already there.avi", spaced, foreign, existing, url, "clip.avi",
                                             QString::fromUtf8("été.avi")}));
    EXPECT_EQ(playlist.Items(3)->Kind, EntryKind::File);
    EXPECT_EQ(QString::fromUtf8(playlist.Items(5)->Path), work.filePath("sub/clip.avi"));
    EXPECT_EQ(playlist.Items(6)->Path, latin1);
    EXPECT_EQ(engine->Played, QList<int>({1, 1}));
    EXPECT_TRUE(form->isVisible()); // brought back
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(InstanceTest, SingleInstanceOffStartsASecondWindow)
{
    settings.Options.SingleInstance = false;
    QProcess p;
    p.start(exe(), {"x.avi"});
    ASSERT_TRUE(p.waitForStarted(5000));
    const bool appeared = VisibleWindows(p.processId(), 1, "^x\\.avi$") == 1;
    const bool stillRunning = p.state() == QProcess::Running;
    p.kill(); // no orderly close: it must not write the test copy's settings
    p.waitForFinished(5000);
    EXPECT_TRUE(appeared && stillRunning);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_TRUE(engine->Played.isEmpty());
}

// The program on its own: a termination signal closes it the orderly way, the
// file's Verbose=0 wins over "-v", and the session joins the file's own sections.
TEST_F(InstanceTest, SignalsCloseTheWindowAndSaveTheSession)
{
    server.reset(); // no running copy for this start
    const QString ini = s_prog->filePath("zorvi.ini");
    const QByteArray before = "[Options]\nVerbose=0\nSnap=0\n";
    WriteFile(ini, before);
    QProcess p;
    p.start(exe(), {"-v"});
    ASSERT_EQ(VisibleWindows(p.processId(), 1, "^Zorvi$"), 1);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, 0));
    EXPECT_FALSE(p.readAllStandardError().contains("$|Settings: "));
    const QByteArray text = ReadFile(ini);
    EXPECT_TRUE(text.startsWith(before) && text.count("[") == 2) << text.constData();
    // The saved width; the height follows the video ratio (video size mode).
    EXPECT_TRUE(text.contains("\nWidth=300\nHeight=238\n")) << text.constData();
}
