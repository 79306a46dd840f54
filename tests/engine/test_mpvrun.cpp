// One mpv run's faults: the test serves the control socket, and a program
// that only sleeps (whatever its arguments) stands in for mpv.
#include "engine/mpv/MpvRun.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>

namespace {
struct Receiver : QObject {
    QByteArrayList Lines; // the run's notes and its end among them
    int Cut = 0;
    bool event(QEvent *e) override
    {
        if (e->type() != EngineLineMessage::Type)
            return QObject::event(e);
        const auto *m = static_cast<EngineLineMessage *>(e);
        Cut += m->CutLines;
        Lines += m->Lines;
        Lines += m->Note.isEmpty() ? QByteArrayList() : QByteArrayList{m->Note.toUtf8()};
        Lines += m->IsEnd ? QByteArrayList{"<end>"} : QByteArrayList();
        return true;
    }
    bool Ended()
    {
        return WaitFor([&] { return Lines.contains("<end>"); });
    }
};

struct MpvRunTest : ::testing::Test {
    QTemporaryDir dir;
    QLocalServer server;
    const QString sleeper = dir.path() + "/sleeper", socketPath = dir.path() + "/mpv.sock";
    const QByteArray line = R"({"event":"property-change","name":"time-pos","data":1.5})";

    void SetUp() override
    {
        EnsureApp();
        WriteFile(sleeper, "#!/bin/sh\nexec sleep 30\n");
        QFile::setPermissions(sleeper, QFile::ReadOwner | QFile::ExeOwner);
    }
    int Start(MpvRun &run, const QString &program, const QString &socketArgument = "--input-ipc-server=")
    {
        int error = 0;
        run.Start(program, {"--no-terminal", socketArgument + socketPath}, dir.path(), error);
        return error;
    }
    QLocalSocket *Serve()
    {
        server.close();
        server.listen(socketPath);
        return WaitFor([&] { return server.hasPendingConnections(); }) ? server.nextPendingConnection()
                                                                       : nullptr;
    }
};
} // namespace

TEST_F(MpvRunTest, RequestsWaitForTheSocketAndLinesComeInOrderAndBounded)
{
    Receiver got;
    MpvRun run(1, &got);
    ASSERT_EQ(Start(run, sleeper), 0);
    run.Write("first\n");
    run.Write("second\n");
    QLocalSocket *peer = Serve();
    ASSERT_TRUE(peer);
    run.Write("third\n");
    QByteArray requests;
    EXPECT_TRUE(WaitFor([&] { return (requests += peer->readAll()) == "first\nsecond\nthird\n"; }));

    peer->write("a\nsp");
    peer->flush();
    WaitFor([&] { return got.Lines.size() == 1; });
    peer->write("lit\n\n" + QByteArray(MpvRun::MaxLineBytes + 9, 'x') + "\nb\n");
    EXPECT_TRUE(WaitFor([&] { return got.Lines.size() == 3; }));
    EXPECT_EQ(got.Lines, QByteArrayList({"a", "split", "b"}));
    EXPECT_EQ(got.Cut, 1);

    // A flood is read a slice a wake-up, with the event loop turning between them.
    got.Lines.clear();
    const int count = 30'000'000 / int(line.size() + 1);
    int turns = 0;
    QTimer zero;
    QObject::connect(&zero, &QTimer::timeout, [&] { ++turns; });
    zero.start(0);
    peer->write((line + '\n').repeated(count));
    EXPECT_TRUE(WaitFor([&] { return got.Lines.size() >= count; }, 60000));
    EXPECT_EQ(got.Lines.count(line), count);
    EXPECT_GE(turns, 30'000'000 / MpvRun::SliceBytes / 2);
}

TEST_F(MpvRunTest, TheSocketClosingEndsTheRunAfterItsLastLine)
{
    const int count = 2000; // more than a slice, less than the kernel holds
    for (const bool processEnds : {true, false}) {
        Receiver got;
        MpvRun run(2, &got);
        ASSERT_EQ(Start(run, sleeper), 0);
        QLocalSocket *peer = Serve();
        ASSERT_TRUE(peer);
        // Every line is sent and the socket closed before the run reads one.
        peer->write((line + '\n').repeated(count) + "last\n");
        peer->flush();
        peer->abort();
        if (processEnds) // as mpv does: the socket closes as it exits
            ::kill(pid_t(run.ProcessId()), SIGTERM);
        ASSERT_TRUE(got.Ended()) << processEnds;
        EXPECT_TRUE(run.HasEnded());
        EXPECT_EQ(got.Lines.count(line), count);
        // A process that lives on without its socket is killed.
        QByteArrayList tail{"last", "mpv closed its control socket: the run is ended", "<end>"};
        if (processEnds)
            tail.removeAt(1);
        EXPECT_EQ(got.Lines.mid(count), tail);
    }
}

TEST_F(MpvRunTest, NoProgramOrNoSocket)
{
    Receiver got;
    MpvRun missing(3, &got), unnamed(3, &got);
    EXPECT_EQ(Start(missing, dir.path() + "/no/mpv"), ENOENT);
    EXPECT_EQ(Start(unnamed, sleeper, "--input-ipc="), EINVAL);
    for (const bool notASocket : {false, true}) {
        Receiver waited;
        MpvRun run(4, &waited);
        run.SetSocketWait(300);
        ASSERT_EQ(Start(run, sleeper), 0);
        if (notASocket)
            WriteFile(socketPath); // a file that refuses every connection
        ASSERT_TRUE(waited.Ended()) << notASocket;
        EXPECT_EQ(waited.Lines,
                  QByteArrayList({"mpv opened no control socket within 0.3 s: the run is ended", "<end>"}));
    }
}
