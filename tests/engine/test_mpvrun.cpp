// One mpv run's faults, with the test serving the control socket and a
// program that only sleeps in mpv's place.
#include "WaitFor.h"
#include "engine/mpv/MpvRun.h"
#include "support/QtApp.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>

namespace {
struct Receiver : QObject {
    QByteArrayList Lines;
    QStringList Notes;
    int Cut = 0, Messages = 0, Ends = 0, LinesAfterEnd = 0;
    bool event(QEvent *e) override
    {
        if (e->type() != EngineLineMessage::Type)
            return QObject::event(e);
        const auto *m = static_cast<EngineLineMessage *>(e);
        ++Messages;
        Lines += m->Lines;
        LinesAfterEnd += Ends > 0 ? int(m->Lines.size()) : 0;
        Cut += m->CutLines;
        Ends += m->IsEnd ? 1 : 0;
        if (!m->Note.isEmpty())
            Notes << m->Note;
        return true;
    }
};

struct MpvRunTest : ::testing::Test {
    QTemporaryDir dir;
    Receiver receiver;
    MpvRun run{1, &receiver};
    QLocalServer server;
    QString socketPath = dir.path() + "/mpv.sock";

    QString sleeper = dir.path() + "/sleeper"; // accepts any argument

    void SetUp() override
    {
        EnsureApp();
        QFile f(sleeper);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nexec sleep 30\n");
        f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    bool Start(MpvRun &r, const QString &program)
    {
        int error = 0;
        return r.Start(program, {"--no-terminal", "--input-ipc-server=" + socketPath}, dir.path(), error);
    }
    QLocalSocket *Serve()
    {
        server.listen(socketPath);
        return WaitFor([&] { return server.hasPendingConnections(); }) ? server.nextPendingConnection()
                                                                       : nullptr;
    }
    bool Received(QLocalSocket *peer, const QByteArray &bytes)
    {
        QByteArray got;
        return WaitFor([&] { return (got += peer->readAll()) == bytes; });
    }
};
} // namespace

TEST_F(MpvRunTest, RequestsWaitForTheSocketAndLinesComeInOrderAndBounded)
{
    ASSERT_TRUE(Start(run, sleeper));
    run.Write("first\n");
    run.Write("second\n");
    QLocalSocket *peer = Serve();
    ASSERT_TRUE(peer);
    EXPECT_TRUE(Received(peer, "first\nsecond\n"));
    run.Write("third\n");
    EXPECT_TRUE(Received(peer, "third\n"));

    peer->write("a\nsp");
    peer->flush();
    WaitFor([&] { return receiver.Lines.size() == 1; });
    peer->write("lit\n\n" + QByteArray(MpvRun::MaxLineBytes + 9, 'x') + "\nb\n");
    EXPECT_TRUE(WaitFor([&] { return receiver.Lines.size() == 3; }));
    EXPECT_EQ(receiver.Lines, QByteArrayList({"a", "split", "b"}));
    EXPECT_EQ(receiver.Cut, 1);

    // A flood: read a slice a wake-up, with the event loop turning between them.
    receiver.Lines.clear();
    receiver.Messages = 0;
    const QByteArray line = R"({"event":"property-change","name":"time-pos","data":1.5})"
                            "\n";
    const int count = 30'000'000 / int(line.size());
    int turns = 0;
    QTimer zero;
    QObject::connect(&zero, &QTimer::timeout, [&] { ++turns; });
    zero.start(0);
    peer->write(line.repeated(count));
    EXPECT_TRUE(WaitFor([&] { return receiver.Lines.size() >= count; }, 60000));
    EXPECT_EQ(receiver.Lines.size(), count);
    EXPECT_EQ(receiver.Lines.count(line.chopped(1)), count);
    EXPECT_GE(receiver.Messages, count * line.size() / MpvRun::SliceBytes);
    EXPECT_GE(turns, receiver.Messages / 2);
}

TEST_F(MpvRunTest, TheSocketClosingEndsTheRunAfterItsLastLine)
{
    const QByteArray line = R"({"event":"log-message","prefix":"x","text":"y"})"
                            "\n";
    const int count = 2000; // more than a slice, less than the kernel holds
    for (const bool processEnds : {true, false}) {
        Receiver got;
        MpvRun closing(2, &got);
        ASSERT_TRUE(Start(closing, sleeper));
        QLocalSocket *peer = Serve();
        ASSERT_TRUE(peer);
        // Every line is sent and the socket closed before the run reads any.
        peer->write(line.repeated(count) + "last\n");
        peer->flush();
        peer->abort();
        if (processEnds) // as mpv does: the socket closes as it exits
            ::kill(pid_t(closing.ProcessId()), SIGTERM);
        EXPECT_TRUE(WaitFor([&] { return got.Ends == 1; })) << processEnds;
        EXPECT_TRUE(closing.HasEnded());
        // The process that lives on without its socket is killed.
        EXPECT_EQ(got.Notes, processEnds ? QStringList()
                                         : QStringList("mpv closed its control socket: the run is ended"));
        EXPECT_EQ(got.Lines.size(), count + 1) << processEnds;
        EXPECT_EQ(got.Lines.value(count), "last");
        EXPECT_EQ(got.LinesAfterEnd, 0);
        server.close();
    }
}

TEST_F(MpvRunTest, ASocketThatNeverComesEndsTheRun)
{
    for (const bool notASocket : {false, true}) {
        MpvRun waiting(2, &receiver);
        waiting.SetSocketWait(300);
        receiver.Ends = 0;
        receiver.Notes.clear();
        ASSERT_TRUE(Start(waiting, sleeper));
        if (notASocket) { // a file that refuses every connection
            QFile f(socketPath);
            f.open(QIODevice::WriteOnly);
        }
        EXPECT_TRUE(WaitFor([&] { return receiver.Ends == 1; }, 3000)) << notASocket;
        EXPECT_EQ(receiver.Notes.size(), 1);
        EXPECT_TRUE(receiver.Notes.value(0).startsWith("mpv opened no control socket")) << notASocket;
    }
}

TEST_F(MpvRunTest, MissingProgramOrSocket)
{
    int error = 0;
    EXPECT_FALSE(run.Start(dir.path() + "/no/mpv", {"--input-ipc-server=" + socketPath}, dir.path(), error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(MpvRun(3, &receiver).Start(sleeper, {"--idle"}, dir.path(), error));
    EXPECT_EQ(error, EINVAL);
}
