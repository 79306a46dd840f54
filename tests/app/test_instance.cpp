// Single instance with two real processes: this test process is the running
// copy (the real main window, playlist and channel), the second start is the
// real zorvi program.
#include "app/Startup.h"
#include "common/Report.h"
#include "mainwindow/MainForm.h"
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"
#include "playlist/ZorviPlaylist.h"
#include "settings/SettingsStore.h"
#include "support/QtApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct SecondRun {
    bool finished = false;
    int exitCode = -1;
    qint64 ms = 0;
    QString err;
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
        ASSERT_TRUE(work.isValid());
        previous = SetReportHandler([this](const QString &m) { reported << m; });
        form = std::make_unique<TMainForm>(ProgramParts{&settings, &store, &playlist, &translator, {}},
                                           QStringList{});
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
        SetReportHandler(previous);
    }

    static QString exe() { return s_prog->filePath("zorvi"); }

    // Starts the program and handles this copy's events until it ends.
    SecondRun second(const QStringList &args, const QString &cwd = QString(), int timeoutMs = 15000)
    {
        QProcess p;
        p.setProgram(exe());
        p.setArguments(args);
        p.setWorkingDirectory(cwd.isEmpty() ? work.path() : cwd);
        QElapsedTimer t;
        t.start();
        p.start();
        while (p.state() != QProcess::NotRunning && t.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        SecondRun r;
        r.ms = t.elapsed();
        r.finished = p.state() == QProcess::NotRunning;
        if (!r.finished) {
            p.kill();
            p.waitForFinished(3000);
        }
        r.exitCode = p.exitCode();
        r.err = QString::fromLocal8Bit(p.readAllStandardError());
        return r;
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
    HandOverReceiver receiver{ArgumentTargets{&settings.Options.Verbose, &translator, &playlist},
                              &settings.Options.SingleInstance};
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<Platform::InstanceServer> server;
    QStringList reported;
    QList<int> played;
    ReportHandler previous;
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
        const QByteArray out = x.readAllStandardOutput().trimmed();
        if (!out.isEmpty())
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
    const SecondRun r = second({work.filePath("first.avi"), work.filePath("second.avi")});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_LT(r.ms, 5000);
    EXPECT_EQ(titles(), QStringList({"already there.avi", "first.avi", "second.avi"}));
    EXPECT_EQ(playlist.Items(1)->Path, work.filePath("first.avi").toUtf8());
    EXPECT_EQ(played, QList<int>{1});
    EXPECT_TRUE(form->isVisible()); // brought back
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(InstanceTest, NoArgumentsAndVerboseOnly)
{
    SecondRun r = second({});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_EQ(played, QList<int>{0});
    EXPECT_FALSE(settings.Options.Verbose);

    r = second({"-v"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(settings.Options.Verbose);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_EQ(played, QList<int>({0, 0}));
}

TEST_F(InstanceTest, SpacesAndNonAsciiArriveUnchanged)
{
    const QString spaced = "  two  spaces and\ttab .avi";
    const QString foreign = QString::fromUtf8("Grüße – 日本語 😀.mkv");
    const QString existing = work.filePath(QString::fromUtf8("Ära \"quoted\" ü.avi"));
    QFile(existing).open(QIODevice::WriteOnly);
    const SecondRun r = second({spaced, foreign, existing, "http://example.com/a b?c=ä"});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(titles(),
              QStringList({spaced, foreign, QFileInfo(existing).fileName(), "http://example.com/a b?c=ä"}));
    EXPECT_EQ(playlist.Items(2)->Kind, EntryKind::File);
}

TEST_F(InstanceTest, RelativeNameArrivesAbsolute)
{
    QDir(work.path()).mkdir("sub");
    QFile(work.filePath("sub/clip.avi")).open(QIODevice::WriteOnly);
    ASSERT_NE(QDir::currentPath(), work.path());
    const SecondRun r = second({"sub/clip.avi", "not here.avi"}, work.path());
    ASSERT_TRUE(r.finished);
    ASSERT_EQ(playlist.Count(), 2);
    EXPECT_EQ(playlist.Items(0)->Kind, EntryKind::File);
    EXPECT_EQ(QString::fromUtf8(playlist.Items(0)->Path), work.filePath("sub/clip.avi"));
    EXPECT_EQ(playlist.Items(1)->Title, "not here.avi"); // names nothing: travels as it is
}

TEST_F(InstanceTest, SingleInstanceOffStartsASecondWindow)
{
    settings.Options.SingleInstance = false;
    QProcess p;
    p.setProgram(exe());
    p.setArguments({"x.avi"});
    p.start();
    ASSERT_TRUE(p.waitForStarted(5000));
    const bool appeared = windowOfProcessAppears(p.processId(), 15000, QStringLiteral("x.avi"));
    const bool stillRunning = p.state() == QProcess::Running;
    p.kill(); // no orderly close: it must not write the test copy's settings
    p.waitForFinished(5000);
    EXPECT_TRUE(appeared);
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(InstanceTest, WrongMagicIsReportedAndDeclined)
{
    const QByteArray message = HandOver::EncodeMessage(0xDA1F1DAA, HandOver::EncodePayload({"x.avi"}));
    const auto outcome = RunWhileHandlingEvents(
        [&] { return Platform::SendToInstance(Platform::InstanceSocketPath(), message, 10000); });
    EXPECT_TRUE(outcome.Found);
    EXPECT_EQ(outcome.Verdict, 0u);
    EXPECT_EQ(reported, QStringList{"Invalid data structure passed in WM_COPYDATA"});
    EXPECT_EQ(playlist.Count(), 0);
}

TEST_F(InstanceTest, WindowIdentity)
{
    EXPECT_EQ(form->objectName(), "Zorvi.Main");
    EXPECT_EQ(form->windowTitle(), "Zorvi");
    EXPECT_TRUE(form->InnerPanel->testAttribute(Qt::WA_NativeWindow));
    EXPECT_NE(form->VideoWindowId(), WId(0));
    EXPECT_EQ(form->OuterPanel->palette().color(QPalette::Window), QColor(Qt::black));
}

// The program on its own: a termination signal closes it the orderly way, and
// the first exit without zorvi.ini writes "LastSession" only.
class OrderlyExitTest : public InstanceTest {};

TEST_F(OrderlyExitTest, SignalsCloseTheWindowAndSaveTheSession)
{
    server.reset(); // no running copy for these starts
    const QString ini = s_prog->filePath("zorvi.ini");
    struct Row {
        int signo;
        QByteArray fileBefore;
        bool diagnosticsShown;
    } rows[] = {
        {SIGTERM, QByteArray(), true},
        {SIGINT, "[Options]\nVerbose=0\nSnap=0\n", false}, // the file's Verbose=0 wins over "-v"
    };
    for (const auto &row : rows) {
        QFile::remove(ini);
        if (!row.fileBefore.isEmpty()) {
            QFile f(ini);
            f.open(QIODevice::WriteOnly);
            f.write(row.fileBefore);
        }
        QProcess p;
        p.setProgram(exe());
        p.setArguments({"-v"});
        p.start();
        ASSERT_TRUE(windowOfProcessAppears(p.processId(), 15000));
        ::kill(pid_t(p.processId()), row.signo);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(err.contains("$|Settings: " + ini), row.diagnosticsShown) << err.toStdString();

        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        const QByteArray expectedStart =
            row.fileBefore.isEmpty() ? "[LastSession]\nCompact=0\n" : row.fileBefore;
        EXPECT_TRUE(text.startsWith(expectedStart)) << text.constData();
        EXPECT_EQ(text.count("["), row.fileBefore.isEmpty() ? 1 : 2) << text.constData();
        EXPECT_TRUE(text.contains("\nWidth=300\nHeight=200\n")) << text.constData();
        EXPECT_FALSE(text.contains("Verbose=1"));
    }
}
