#include "platform/MediaAliases.h"

#include <QDir>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

QString ErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// The extension of target's last component (at most 8 letters and digits), dot
// included; the engine picks some demuxers by it. Empty when there is none.
QByteArray PlainExtension(const QByteArray &target)
{
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0 || name.size() - dot - 1 > 8 || dot == name.size() - 1)
        return {};
    for (char c : name.mid(dot + 1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return {};
    return name.mid(dot);
}

// A base folder only this user can change, or empty.
QByteArray OwnRuntimeFolder()
{
    QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (!dir.startsWith('/') || ::lstat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::getuid() || (st.st_mode & 022) != 0)
        return {};
    return dir;
}

} // namespace

MediaAliases::~MediaAliases()
{
    Clear();
    if (!m_folder.isEmpty())
        ::rmdir(m_folder.constData());
}

bool MediaAliases::MakeFolder(QString &error)
{
    if (!m_folder.isEmpty())
        return true;
    QByteArray base = OwnRuntimeFolder();
    if (base.isEmpty())
        base = QDir::tempPath().toLocal8Bit();
    // mkdtemp makes a new folder with mode 0700 or fails: nobody can have
    // put a link or a folder of their own there first.
    QByteArray pattern = base + "/zorvi-media-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        error = QStringLiteral("Cannot make a private folder in %1: %2")
                    .arg(QString::fromLocal8Bit(base), ErrorText(errno));
        return false;
    }
    m_folder = pattern;
    return true;
}

QString MediaAliases::Link(const QByteArray &target, QString &error)
{
    if (!MakeFolder(error))
        return {};
    const QByteArray link = m_folder + '/' + QByteArray::number(++m_next) + PlainExtension(target);
    if (::symlink(target.constData(), link.constData()) != 0) {
        error = QStringLiteral("Cannot make the alias %1: %2")
                    .arg(QString::fromLocal8Bit(link), ErrorText(errno));
        return {};
    }
    m_links.append(link);
    return QString::fromLatin1(link);
}

void MediaAliases::Clear()
{
    for (const QByteArray &link : std::as_const(m_links))
        ::unlink(link.constData());
    m_links.clear();
}

} // namespace Platform
