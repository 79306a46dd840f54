// Single instance with two real processes: this test process is the running
// copy (the real main window, playlist and channel), the second start is the
// real zorvi program.
#include "app/Startup.h"
#include "mainwindow/MainForm.h"
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "shortcuts/ShortcutList.h"
#include "support/QtApp.h"
#include "support/ReportCapture.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

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
        QFile::setPermissions(s_prog->filePath("zorvi"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(s_runtime->path()));
    }
    static void TearDownTestSuite()
    {
        delete s_prog;
        delete s_runtime;
    }

    void SetUp() override
    {
        form = std::make_unique<TMainForm>(
            ProgramParts{&settings, &store, &playlist, &translator, {}, &shortcuts}, QStringList{});
        form->PlayEntry = [this](int i) { played << i; };
        ConnectHandOver(receiver, *form);
        server = std::make_unique<Platform::InstanceServer>(
            Platform::InstanceSocketPath(),
            [this](quint32 m, const QByteArray &p) { return HandOverToForm(receiver, *form, m, p); });
        ASSERT_TRUE(server->Listen());
        form->show();
    }
    void TearDown() override
    {
        server.reset();
        form.reset();
    }

    static QString exe() { return s_prog->filePath("zorvi"); }

    // Starts the program and handles this copy's events until it ends; its
    // exit code, -1 when it had to be killed (its standard error then fails the test).
    int second(const QStringList &args, int timeoutMs = 15000)
    {
        QProcess p;
        p.setProgram(exe());
        p.setArguments(args);
        p.setWorkingDirectory(work.path());
        QElapsedTimer t;
        t.start();
        p.start();
        while (p.state() != QProcess::NotRunning && t.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool finished = p.state() == QProcess::NotRunning;
        if (!finished) {
            p.kill();
            p.waitForFinished(3000);
        }
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return finished ? p.exitCode() : -1;
    }

    QStringList titles()
    {
        QStringList t;
        for (int i = 0; i < playlist.Count(); ++i)
            t << playlist.Items(i)->Title;
        return t;
    }

    static inline QTemporaryDir *s_prog = nullptr;
    static inline QTemporaryDir *s_runtime = nullptr;
    QTemporaryDir work;
    SettingsData settings;
    SettingsStore store{settings};
    TZorviPlaylist playlist;
    bool translator = false;
    TShortcutList shortcuts;
    HandOverReceiver receiver{ArgumentTargets{&settings.Options.Verbose, &translator, &playlist},
                              &settings.Options.SingleInstance};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<Platform::InstanceServer> server;
    ReportCapture reports;
    QList<int> played;
};

// Whether a window of the process shows up on the display within the time.
// Its title is "Zorvi", or the entry being played once the engine starts.
bool windowOfProcessAppears(qint64 pid, int timeoutMs, const QString &title = QStringLiteral("Zorvi"))
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        QProcess x;
        x.start("xdotool", {"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name",
                            "^" + QRegularExpression::escape(title) + "$"});
        x.waitForFinished(3000);
        if (!x.readAllStandardOutput().trimmed().isEmpty())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    }
    return false;
}

} // namespace

TEST_F(InstanceTest, TwoFilesAreAppendedInOrder)
{
    playlist.Add("already there.avi");
    for (const char *name : {"first.avi", "second.avi"})
        QFile(work.filePath(name)).open(QIODevice::WriteOnly);
    form->hide();
    ASSERT_EQ(second({work.filePath("first.avi"), work.filePath("second.avi")}), 0);
    EXPECT_EQ(titles(), QStringList({"already there.avi", "first.avi", "second.avi"}));
    EXPECT_EQ(played, QList<int>{1});
    EXPECT_TRUE(form->isVisible()); // brought back
    EXPECT_TRUE(reports.messages.isEmpty());
}

TEST_F(InstanceTest, NoArgumentsStillHandOver)
{
    ASSERT_EQ(second({}), 0);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_EQ(played, QList<int>{0});
}

TEST_F(InstanceTest, NamesArriveUnchangedAndRelativeOnesAbsolute)
{
    const QString spaced = "  two  spaces and\ttab .avi";
    const QString foreign = QString::fromUtf8("Grüße – 日本語 😀.mkv");
    const QString existing = QString::fromUtf8("Ära \"quoted\" ü.avi");
    QFile(work.filePath(existing)).open(QIODevice::WriteOnly);
    QDir(work.path()).mkdir("sub");
    QFile(work.filePath("sub/clip.avi")).open(QIODevice::WriteOnly);
    ASSERT_NE(QDir::currentPath(), work.path());
    ASSERT_EQ(second({spaced, foreign, existing, "http://example.com/a b?c=ä", "sub/clip.avi"}), 0);
    EXPECT_EQ(titles(), QStringList({spaced, foreign, existing, "http://example.com/a b?c=ä", "clip.avi"}));
    EXPECT_EQ(playlist.Items(2)->Kind, EntryKind::File);
    EXPECT_EQ(QString::fromUtf8(playlist.Items(4)->Path), work.filePath("sub/clip.avi"));
}

TEST_F(InstanceTest, SingleInstanceOffStartsASecondWindow)
{
    settings.Options.SingleInstance = false;
    QProcess p;
    p.start(exe(), {"x.avi"});
    ASSERT_TRUE(p.waitForStarted(5000));
    const bool appeared = windowOfProcessAppears(p.processId(), 15000, QStringLiteral("x.avi"));
    const bool stillRunning = p.state() == QProcess::Running;
    p.kill(); // no orderly close: it must not write the test copy's settings
    p.waitForFinished(5000);
    EXPECT_TRUE(appeared && stillRunning);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_TRUE(played.isEmpty());
}

// The program on its own: a termination signal closes it the orderly way, and
// the first exit without zorvi.ini writes "LastSession" only.
class OrderlyExitTest : public InstanceTest {};

TEST_F(OrderlyExitTest, SignalsCloseTheWindowAndSaveTheSession)
{
    server.reset(); // no running copy for these starts
    const QString ini = s_prog->filePath("zorvi.ini");
    // (signal, zorvi.ini before, diagnostics shown)
    const std::tuple<int, QByteArray, bool> rows[] = {
        {SIGTERM, QByteArray(), true},
        {SIGINT, "[Options]\nVerbose=0\nSnap=0\n", false}, // the file's Verbose=0 wins over "-v"
    };
    for (const auto &[signo, fileBefore, diagnosticsShown] : rows) {
        QFile::remove(ini);
        if (!fileBefore.isEmpty())
            WriteFile(ini, fileBefore);
        QProcess p;
        p.start(exe(), {"-v"});
        ASSERT_TRUE(windowOfProcessAppears(p.processId(), 15000));
        ::kill(pid_t(p.processId()), signo);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, 0));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(err.contains("$|Settings: " + ini), diagnosticsShown) << err.toStdString();

        const QByteArray text = ReadFile(ini);
        EXPECT_TRUE(text.startsWith(fileBefore.isEmpty() ? "[LastSession]\nCompact=0\n" : fileBefore))
            << text.constData();
        EXPECT_EQ(text.count("["), fileBefore.isEmpty() ? 1 : 2) << text.constData();
        // The saved width; the height follows the video ratio (video size mode).
        EXPECT_TRUE(text.contains("\nWidth=300\nHeight=238\n")) << text.constData();
        EXPECT_FALSE(text.contains("Verbose=1"));
    }
}
