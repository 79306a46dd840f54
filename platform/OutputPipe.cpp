#include "platform/OutputPipe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool OutputPipe::Open(int &errorCode)
{
    Close();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        errorCode = errno;
        return false;
    }
    m_readFd = fds[0];
    m_writeFd = fds[1];
    ::fcntl(m_readFd, F_SETFL, ::fcntl(m_readFd, F_GETFL) | O_NONBLOCK);
    return true;
}

std::function<void()> OutputPipe::ChildSetup() const
{
    const int writeFd = m_writeFd;
    // dup2 clears close-on-exec on the copies, so the engine keeps them.
    return [writeFd] {
        ::dup2(writeFd, 1);
        ::dup2(writeFd, 2);
    };
}

void OutputPipe::CloseWriteEnd()
{
    if (m_writeFd >= 0)
        ::close(m_writeFd);
    m_writeFd = -1;
}

void OutputPipe::Close()
{
    CloseWriteEnd();
    if (m_readFd >= 0)
        ::close(m_readFd);
    m_readFd = -1;
}

qint64 OutputPipe::Read(char *buffer, qint64 size)
{
    if (m_readFd < 0)
        return 0;
    for (;;) {
        const ssize_t n = ::read(m_readFd, buffer, size_t(size));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            return -1;
    }
}
