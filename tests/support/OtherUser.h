#pragma once
// Runs a function as another user (nobody) in a forked child and returns the
// text it produced; used to check what a user without rights can do. When the
// tests do not run as root, the function runs as the current user.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

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
