#include "platform/FileReplace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    off_t at = 0;
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, p, size_t(left), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        at += n;
        left -= n;
    }
    return true;
}

// A new file beside the target, so the rename stays within one file system.
int createSibling(const QByteArray &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// In place there is no old copy to fall back on: the blocks are reserved
// before the first byte is written, so a full disk fails before any change.
bool overwriteInPlace(const QByteArray &target, const QByteArray &bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    if (ok && bytes.size() > st.st_size)
        ok = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) == 0 || errno == EOPNOTSUPP;
    ok = ok && writeAll(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

namespace Platform {

bool ReplaceFileContents(const QString &path, const QByteArray &bytes)
{
    // A link is followed: the file it names is the one replaced.
    const QFileInfo info(path);
    const QString real = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    const QByteArray target = QFile::encodeName(real);

    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || ::access(target.constData(), W_OK) != 0))
        return false;

    QByteArray sibling;
    const int fd = createSibling(target, sibling);
    if (fd < 0) {
        // A writable file in a folder where nothing may be created (portable
        // use from a read-only folder).
        const bool folderRefused = errno == EACCES || errno == EPERM;
        return exists && folderRefused && overwriteInPlace(target, bytes);
    }
    bool ok = (!exists || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    // close can report a write the kernel could not finish.
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(sibling.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(sibling.constData());
        return false;
    }
    // Makes the rename itself durable. The new file is whole whatever this
    // returns, so a failure here is no reason to report a lost save.
    const int folder = ::open(QFile::encodeName(QFileInfo(real).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

} // namespace Platform
