#include "platform/SignalPipe.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace Platform {

namespace {
int g_fds[2] = {-1, -1};
// A hang-up (the terminal or the session went away) ends the program as a kill does.
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signo)
{
    const int saved = errno;
    unsigned char b = static_cast<unsigned char>(signo);
    [[maybe_unused]] auto n = ::write(g_fds[0], &b, 1);
    errno = saved;
}
} // namespace

SignalPipe::SignalPipe(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0)
        return;
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalPipe::readPipe);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int signo : Signals)
        ::sigaction(signo, &sa, nullptr);
}

SignalPipe::~SignalPipe()
{
    for (int signo : Signals)
        ::signal(signo, SIG_DFL);
    delete m_notifier;
    for (int &fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void SignalPipe::readPipe()
{
    unsigned char b = 0;
    if (::read(g_fds[1], &b, 1) == 1)
        emit Terminate(b);
}

} // namespace Platform
