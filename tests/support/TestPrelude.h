#pragma once
// Included into every test by the build (Qt core only, so that tests without
// widgets stay lean): the test framework, what most tests use (files, folders,
// processes, the application object, waiting on the event loop, the messages
// reported, a fake clock, another user), and readable gtest output for Qt
// values (lists of strings print as containers of QString).
#include "common/Clock.h"
#include "common/Report.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdint>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << "QPoint(" << p.x() << ", " << p.y() << ")";
}

// Writes bytes to path, making its folders first; an empty file when none are given.
inline void WriteFile(const QString &path, const QByteArray &bytes = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The application object, made once for tests that need an event loop.
template <typename App = QCoreApplication> App *EnsureApp()
{
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "zorvi-tests";
        static char *argv[] = {name, nullptr};
        new App(argc, argv);
    }
    return static_cast<App *>(QCoreApplication::instance());
}

// Handles events, and runs `tick` (the window's timer), until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()> &done, int ms = 5000, const std::function<void()> &tick = {})
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (tick)
            tick();
        QThread::msleep(2);
    }
    return true;
}

// Handles events for `ms`: lets the window, the engine or a peer answer.
inline void Settle(int ms = 600)
{
    WaitFor([] { return false; }, ms);
}

// What reaches the user: every message given to ReportError while a capture
// lives, and the message of the exception a call throws ("no error" when it returns).
struct ReportCapture {
    QStringList messages;
    ReportHandler previous = SetReportHandler([this](const QString &m) { messages << m; });
    ReportCapture() = default;
    ReportCapture(const ReportCapture &) = delete; // the handler holds this object
    ~ReportCapture() { SetReportHandler(previous); }
    QStringList take() { return std::exchange(messages, {}); }
};

template <typename Fn> QString ErrorText(Fn fn)
{
    try {
        fn();
    } catch (const std::exception &e) {
        return UserMessage(e);
    }
    return QStringLiteral("no error");
}

// The program's clock held still while the object lives and moved only by the
// test, or by the program's sleeps, which return at once; the real clock and
// sleep are back when it goes.
struct FakeClock {
    std::uint64_t Now = 5000;
    FakeClock()
    {
        Clock::SetNowFunction([this] { return Now; });
        Clock::SetSleepFunction([this](int ms) { Now += std::uint64_t(ms > 0 ? ms : 0); });
    }
    FakeClock(const FakeClock &) = delete; // the clock reads this object
    ~FakeClock()
    {
        Clock::SetNowFunction(nullptr);
        Clock::SetSleepFunction(nullptr);
    }
};

// A program run in `dir` to its end: its exit code (-1 when it crashed or took
// over 30 s) and what it wrote.
struct ProgramRun {
    int code = -1;
    QByteArray out, err;
};
inline ProgramRun RunProgram(const QString &program, const QStringList &args, const QString &dir = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(program, args);
    const bool ended = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, p.readAllStandardOutput(), p.readAllStandardError()};
}

// How many windows of another process on the test display (xdotool) whose
// title matches the pattern are shown, once there are `want` of them or 15 s have passed; events are handled
// meanwhile.
inline int VisibleWindows(qint64 pid, int want, const QString &titlePattern = QStringLiteral("."))
{
    QByteArray ids;
    for (int i = 0; i < 150 && ids.count('\n') != want; ++i) {
        ids = RunProgram("xdotool", {"search", "--all", "--onlyvisible", "--pid", QString::number(pid),
                                     "--name", titlePattern})
                  .out;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return int(ids.count('\n'));
}

// Runs a function as another user (nobody) in a forked child and returns the
// text it produced; used to check what a user without rights can do. When the
// tests do not run as root, the function runs as the current user.

inline bool RunningAsRoot()
{
    return ::geteuid() == 0;
}

inline QString RunAsOtherUser(const std::function<QString()> &fn)
{
    if (!RunningAsRoot())
        return fn();
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("<pipe failed>");
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QByteArray out = (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
                             ? fn().toUtf8()
                             : QByteArray("<setuid failed>");
        [[maybe_unused]] auto n = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray out;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        out.append(buf, n);
    ::close(fds[0]);
    ::waitpid(pid, nullptr, 0);
    return QString::fromUtf8(out);
}
