#include "platform/EngineWorkFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {
const QStringList kPictures{QStringLiteral("shot*.png")};

QByteArray PrivateBase()
{
    QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (dir.startsWith('/') && ::lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::getuid() && (st.st_mode & 022) == 0)
        return dir;
    return QFile::encodeName(QDir::tempPath());
}
} // namespace

EngineWorkFolder::~EngineWorkFolder()
{
    if (m_folder.isEmpty())
        return;
    DropPictures();
    ::rmdir(m_folder.constData());
}

QString EngineWorkFolder::Path()
{
    if (m_folder.isEmpty()) {
        // mkdtemp makes a new folder only this user can enter, or fails.
        QByteArray pattern = PrivateBase() + "/zorvi-engine-XXXXXX";
        if (::mkdtemp(pattern.data()))
            m_folder = pattern;
    }
    return QFile::decodeName(m_folder);
}

QStringList EngineWorkFolder::FinishedPictures()
{
    if (m_folder.isEmpty())
        return {};
    QList<std::pair<QString, qint64>> sizes;
    QStringList finished;
    const QDir dir(QFile::decodeName(m_folder));
    for (const QFileInfo &info : dir.entryInfoList(kPictures, QDir::Files | QDir::NoSymLinks, QDir::Name)) {
        sizes.append({info.filePath(), info.size()});
        if (info.size() > 0 && m_sizes.contains(sizes.last()))
            finished << info.filePath();
    }
    m_sizes = sizes;
    return finished;
}

void EngineWorkFolder::DropPictures()
{
    const QDir dir(QFile::decodeName(m_folder));
    for (const QString &name : dir.entryList(kPictures, QDir::Files | QDir::System))
        QFile::remove(dir.filePath(name));
    m_sizes.clear();
}

QString ScreenshotFolder()
{
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        pictures = QDir::homePath() + QStringLiteral("/Pictures");
    return pictures + QStringLiteral("/Zorvi/");
}

QString MoveToNewName(const QString &file, const QString &folder, const QString &base)
{
    if (!QDir().mkpath(folder))
        return {};
    const QByteArray from = QFile::encodeName(file);
    for (int n = 1; n <= 100; ++n) {
        QString target =
            folder + base + (n == 1 ? QString() : QStringLiteral(" (%1)").arg(n)) + QStringLiteral(".png");
        // A hard link never replaces a file of that name; across file
        // systems a copy, which refuses one that is there too.
        if (::link(from.constData(), QFile::encodeName(target).constData()) == 0) {
            QFile::remove(file);
            return target;
        }
        if (errno == EEXIST)
            continue;
        if (errno != EXDEV && errno != EPERM)
            return {};
        if (QFile::copy(file, target)) {
            QFile::remove(file);
            return target;
        }
        if (!QFileInfo(target).exists() && !QFileInfo(target).isSymLink())
            return {};
    }
    return {};
}

} // namespace Platform
