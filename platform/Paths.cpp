#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {
bool writable(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}
} // namespace

namespace Platform {

QString ProgramDirectory()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString UserConfigDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zorvi/");
}

QString SettingsFilePath(const QString &programDir)
{
    const QString beside = programDir + QStringLiteral("zorvi.ini");
    if ((QFile::exists(beside) && writable(beside)) || writable(programDir))
        return beside;
    return UserConfigDirectory() + QStringLiteral("zorvi.ini");
}

} // namespace Platform
