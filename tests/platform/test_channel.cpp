#include "platform/HandOver.h"
#include "platform/InstanceChannel.h"

#include <future>
#include <sys/socket.h>
#include <sys/un.h>

using namespace Platform;

namespace {

// Runs fn on a thread and handles events here until it returns (or timeoutMs passes).
template <typename Fn> auto RunWhileHandlingEvents(Fn fn, int timeoutMs = 30000)
{
    auto future = std::async(std::launch::async, std::move(fn));
    QElapsedTimer t;
    t.start();
    while (future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return future.get();
}

class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApp();
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755); // other users may reach the socket file
        path = dir.filePath("Zorvi.Main.test");
    }
    // "found verdict" of a hand-over, this side handling its events meanwhile.
    QString send(const QByteArray &message, int timeoutMs = 10000)
    {
        const SendOutcome o =
            RunWhileHandlingEvents([&] { return SendToInstance(path, message, timeoutMs); });
        return QStringLiteral("%1 %2").arg(o.Found).arg(o.Verdict);
    }

    QTemporaryDir dir;
    QString path;
    QList<QPair<quint32, QByteArray>> received;
    InstanceServer::Handler record = [this](quint32 magic, const QByteArray &payload) -> quint32 {
        received.append({magic, payload});
        return magic == HandOver::Magic ? 1 : 0;
    };
};

// A plain socket bound (listening) or connected to path, without the channel's code; -1 on failure.
int rawSocket(const QString &path, bool listen)
{
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    auto *a = reinterpret_cast<sockaddr *>(&addr);
    if (listen ? ::bind(fd, a, sizeof addr) != 0 || ::listen(fd, 4) != 0
               : ::connect(fd, a, sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

TEST_F(InstanceChannelTest, MessageAndVerdictTravel)
{
    InstanceServer server(path, record);
    ASSERT_TRUE(server.Listen());
    const QByteArray payload = HandOver::EncodePayload({"a b", QString::fromUtf8("ü")});
    EXPECT_EQ(send(HandOver::EncodeMessage(HandOver::Magic, payload)), "1 1");
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0].second, payload);

    EXPECT_EQ(send(HandOver::EncodeMessage(0x12345678, payload)), "1 0");
    // A size beyond the cap is refused without waiting for the bytes.
    QByteArray huge = HandOver::EncodeMessage(HandOver::Magic, {});
    huge[7] = char(0x7F);
    EXPECT_EQ(send(huge), "1 0");
    EXPECT_EQ(received.size(), 2);
}

TEST_F(InstanceChannelTest, NoListenerSilentListenerAndStaleFiles)
{
    EXPECT_EQ(send(HandOver::EncodeMessage(HandOver::Magic, {})), "0 0");
    // A listener that never answers counts as declining; once it is gone, its
    // socket file is left as by a copy that crashed: nobody listens on it.
    int stale = rawSocket(path, true);
    ASSERT_GE(stale, 0);
    EXPECT_EQ(send(HandOver::EncodeMessage(HandOver::Magic, {}), 300), "1 0");
    ::close(stale);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(send(HandOver::EncodeMessage(HandOver::Magic, {})), "0 0");
    InstanceServer server(path, record);
    EXPECT_TRUE(server.Listen());
    // A second copy cannot take over a live channel.
    InstanceServer second(path, record);
    EXPECT_FALSE(second.Listen());
    EXPECT_EQ(send(HandOver::EncodeMessage(HandOver::Magic, {})), "1 1");
}

TEST_F(InstanceChannelTest, OtherUsersCannotHandOver)
{
    InstanceServer server(path, record);
    ASSERT_TRUE(server.Listen());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 077, 0u) << std::oct << st.st_mode;
    EXPECT_EQ(st.st_uid, ::getuid());
    if (!RunningAsRoot())
        GTEST_SKIP() << "needs root to act as another user";

    // The file mode keeps them out; even with it opened to everyone, the
    // receiver checks who is calling.
    const QByteArray message = HandOver::EncodeMessage(HandOver::Magic, HandOver::EncodePayload({"x"}));
    ::chmod(QFile::encodeName(path).constData(), 0777);
    auto rawAsNobody = [&] {
        return RunAsOtherUser([&] {
            const int fd = rawSocket(path, false);
            if (fd < 0)
                return QStringLiteral("refused");
            [[maybe_unused]] auto w = ::send(fd, message.constData(), size_t(message.size()), MSG_NOSIGNAL);
            char reply[4];
            const auto n = ::recv(fd, reply, 4, 0);
            ::close(fd);
            return n == 4 ? QStringLiteral("verdict %1").arg(int(reply[0])) : QStringLiteral("no verdict");
        });
    };
    EXPECT_EQ(RunWhileHandlingEvents(rawAsNobody), "no verdict");
    EXPECT_TRUE(received.isEmpty());
}
