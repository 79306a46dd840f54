// The channel and the process scan against hostile neighbours: floods of
// connections, a name taken first by someone else, engines that are not ours.
#include "platform/EngineOptions.h"
#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"

#include <QLocalSocket>
#include <QtEndian>

using namespace Platform;

TEST(HandOverBudget, ConnectionsPastTheBoundsAreDeclinedAtOnce)
{
    EnsureApp();
    QTemporaryDir dir;
    QByteArray largest = HandOver::EncodeMessage(HandOver::Magic, {});
    qToLittleEndian<quint32>(HandOver::MaxPayload, largest.data() + 4);
    const QStringList twelveMB(12, QString(512 * 1024, 'a'));
    const std::tuple<QByteArray, int, char, int> rows[] = {
        // what each connection sends (then it waits), how many, the verdict, how many get it
        {{}, 40, 0, 40 - InstanceServer::MaxConnections},
        {largest, 40, 0, 40 - int(InstanceServer::MaxBufferedBytes / HandOver::MaxPayload)},
        {HandOver::EncodeMessage(HandOver::Magic, HandOver::EncodePayload(twelveMB)), 1, 1, 1}};
    for (const auto &[sent, count, verdict, answered] : rows) {
        InstanceServer server(dir.filePath(QString::number(sent.size())),
                              [](quint32, const QByteArray &) { return 1u; });
        ASSERT_TRUE(server.Listen());
        std::vector<std::unique_ptr<QLocalSocket>> clients;
        for (int i = 0; i < count; ++i, clients.back()->write(sent))
            clients.emplace_back(new QLocalSocket)->connectToServer(server.SocketPath());
        const QByteArray reply = QByteArray(1, verdict) + QByteArray(3, 0);
        long n = 0;
        for (int i = 0; i < 300 && n <= answered; ++i, QThread::msleep(10), QCoreApplication::processEvents())
            n = std::count_if(clients.begin(), clients.end(), [&](auto &c) { return c->peek(4) == reply; });
        EXPECT_EQ(n, answered);
    }
}

TEST(InstanceSocketPlace, APrivateFolderOrTheTrueReason)
{
    EnsureApp();
    // What is in the place first: nothing, a link, another user's folder (as
    // root only), or a private runtime folder too deep for a local socket.
    const ListenResult rows[] = {ListenResult::Listening, ListenResult::NotOurs, ListenResult::NotOurs,
                                 ListenResult::PathTooLong};
    for (int row = 0; row < 4; ++row) {
        QTemporaryDir tmp; // stands for /tmp
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        const QByteArray folder = QFile::encodeName(tmp.filePath("zorvi-" + QString::number(::getuid())));
        const QByteArray deep = folder + QByteArray(90, 'x');
        qputenv("XDG_RUNTIME_DIR", row == 3 ? deep : "");
        if (row == 1)
            ::symlink(deep, folder);
        if (row >= 2)
            ::mkdir(row == 2 ? folder : deep, 0700);
        if (row == 2 && ::chown(folder, 65534, 65534) != 0)
            continue;
        const ListenOutcome outcome = InstanceServer(InstanceSocketPath(), {}).Listen();
        EXPECT_EQ(outcome.Result, rows[row]) << outcome.Message.toStdString();
        struct stat st {};
        EXPECT_TRUE(row != 0 ||
                    (::lstat(folder, &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0777) == 0700));
    }
}

TEST(EngineProcesses, OnlyEnginesLeftByAGoneCopyAreOffered)
{
    QTemporaryDir dir; // the scan matches the process name: a copy of sleep named mplayer stands in
    QFile::copy("/bin/sleep", dir.filePath("mplayer"));
    QProcess engines[3];
    const QStringList env = QProcess::systemEnvironment(), mine = EngineEnvironment().toStringList();
    const QStringList goneOwner =
        env + QStringList{"ZORVI_ENGINE_OWNER=2147483647"}; // no process id gets there
    const std::pair<QStringList, bool> rows[] = {{env, false}, {goneOwner, true}, {mine, false}};
    for (int i = 0; i < 3; ++i) { // another player's engine, one left by a copy that is gone, one in use here
        engines[i].setEnvironment(rows[i].first);
        engines[i].start(dir.filePath("mplayer"), {"600"});
        ASSERT_TRUE(engines[i].waitForStarted());
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(FindEngineProcesses().contains(engines[i].processId()), rows[i].second) << i;
        engines[i].kill(), engines[i].waitForFinished();
    }
}

TEST(PriorityBoost, AnOrdinaryUserIsToldTheBoostIsRefused)
{
    // (in a child as an ordinary user: may it raise, did raising work, may it reset)
    const QString said = RunAsOtherUser([] {
        return QStringLiteral("%1 %2 %3")
            .arg(CanRaisePriority())
            .arg(SetProcessPriority(0, true))
            .arg(SetProcessPriority(0, false));
    });
    EXPECT_EQ(said, "0 0 1");
    EXPECT_TRUE(!RunningAsRoot() || CanRaisePriority());
}
