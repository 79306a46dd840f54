#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {
bool writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QStringList appendToEach(const QStringList &folders, const QString &name)
{
    QStringList out;
    for (const QString &folder : folders)
        out << folder + name;
    return out;
}
} // namespace

namespace Platform {

QString ProgramDirectory()
{
    return withSlash(QCoreApplication::applicationDirPath());
}

QString InstalledProgramDirectory()
{
    return withSlash(QStringLiteral(ZORVI_INSTALL_BINDIR));
}

QString SharedDataDirectory()
{
    return withSlash(QStringLiteral(ZORVI_INSTALL_DATADIR));
}

bool IsInstalledProgramDirectory(const QString &programDir)
{
    return withSlash(programDir) == InstalledProgramDirectory();
}

QString UserConfigDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zorvi/");
}

QString UserDataDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zorvi/");
}

QString UserStateDirectory()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/zorvi/");
}

QString SettingsFilePath(const QString &programDir)
{
    QString beside = programDir + QStringLiteral("zorvi.ini");
    if (!IsInstalledProgramDirectory(programDir) &&
        ((QFile::exists(beside) && writable(beside)) || writable(programDir)))
        return beside;
    return UserConfigDirectory() + QStringLiteral("zorvi.ini");
}

QStringList DataFolders(const QString &programDir)
{
    QStringList folders;
    if (!IsInstalledProgramDirectory(programDir))
        folders << withSlash(programDir);
    for (const QString &folder : {UserDataDirectory(), SharedDataDirectory()}) {
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QStringList SkinFolders(const QString &programDir)
{
    return appendToEach(DataFolders(programDir), QStringLiteral("Skins/"));
}

QStringList LanguageFolders(const QString &programDir)
{
    return appendToEach(DataFolders(programDir), QStringLiteral("Lang/"));
}

QString LanguageSaveFolder(const QString &programDir)
{
    QString beside = withSlash(programDir) + QStringLiteral("Lang/");
    const bool besideWritable = QFile::exists(beside) ? writable(beside) : writable(programDir);
    if (!IsInstalledProgramDirectory(programDir) && besideWritable)
        return beside;
    return UserDataDirectory() + QStringLiteral("Lang/");
}

} // namespace Platform
