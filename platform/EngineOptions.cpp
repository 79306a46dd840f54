#include "platform/EngineOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

const QList<EngineOutputOption> &VideoOutOptions()
{
    static const QList<EngineOutputOption> table = {
        {1, "-vo null", "-vo null", "--vo=null"},
        {2, "-vo directx", "-vo xv", "--vo=xv,x11"},
        {3, "-vo gl2", "-vo gl", "--vo=gpu,xv,x11"},
    };
    return table;
}

const QList<EngineOutputOption> &AudioOutOptions()
{
    static const QList<EngineOutputOption> table = {
        {1, "-ao null", "-ao null", "--ao=null"},
        {2, "-ao win32", "-ao alsa", "--ao=alsa"},
        {3, "-ao dsound", "-ao pulse,alsa", "--ao=pulse,alsa"},
    };
    return table;
}

namespace {
QString Lookup(const QList<EngineOutputOption> &table, int value, EngineKind engine)
{
    for (const auto &row : table)
        if (row.Setting == value)
            return QString::fromLatin1(engine == EngineKind::Mpv ? row.Mpv : row.Linux);
    return {};
}

bool IsExecutable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
} // namespace

QString VideoOutOption(int videoOut, EngineKind engine)
{
    return Lookup(VideoOutOptions(), videoOut, engine);
}
QString AudioOutOption(int audioOut, EngineKind engine)
{
    return Lookup(AudioOutOptions(), audioOut, engine);
}

QString EngineName(EngineKind kind)
{
    return kind == EngineKind::Mpv ? QStringLiteral("mpv") : QStringLiteral("mplayer");
}

ChosenEngine ChooseEngine(const QString &choice, const QString &mplayerPath, const QString &mpvPath,
                          const QString &programDir)
{
    const QString mplayer = ResolveEnginePath(mplayerPath, programDir);
    const QString mpv = ResolveEnginePath(mpvPath, programDir);
    const QString name = choice.trimmed().toLower();
    if (name == QLatin1String("mplayer"))
        return {EngineKind::MPlayer, mplayer, {}};
    if (name == QLatin1String("mpv"))
        return {EngineKind::Mpv, mpv, {}};
    if (!name.isEmpty() && name != QLatin1String("auto"))
        return {
            EngineKind::MPlayer, mplayer,
            QStringLiteral("Unknown engine \"%1\": the engine is auto, mplayer or mpv").arg(choice.left(40))};
    if (IsExecutable(mplayer) || !IsExecutable(mpv))
        return {EngineKind::MPlayer, mplayer,
                IsExecutable(mplayer) ? QString()
                                      : QStringLiteral("Neither mplayer nor mpv is installed: install one of "
                                                       "them (apt-get install mplayer), or name it in the "
                                                       "options (Advanced)")};
    return {EngineKind::Mpv, mpv, {}};
}

QString ResolveEnginePath(const QString &mplayerPath, const QString &programDir)
{
    if (mplayerPath.startsWith(u'/'))
        return mplayerPath;
    if (!mplayerPath.contains(u'/')) {
        const QString found = QStandardPaths::findExecutable(mplayerPath);
        return found.isEmpty() ? mplayerPath : found;
    }
    return QDir::cleanPath(programDir + mplayerPath);
}

QString DefaultFontPath()
{
    static const char *const candidates[] = {
        "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
    for (const char *path : candidates)
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    return {};
}

namespace {
// "Above normal" is a small step.
constexpr int BoostNice = -5;
} // namespace

const QString PriorityBoostRefused = QStringLiteral(
    "Priority boost: the system refused to raise the priority (it needs root, CAP_SYS_NICE or a "
    "nice limit in /etc/security/limits.conf); the engine runs at normal priority");

bool SetProcessPriority(qint64 pid, bool boost)
{
    return ::setpriority(PRIO_PROCESS, id_t(pid), boost ? BoostNice : 0) == 0;
}

bool CanRaisePriority()
{
    if (::geteuid() == 0)
        return true;
    // RLIMIT_NICE holds 20 - the lowest nice value allowed.
    if (rlimit limit{}; ::getrlimit(RLIMIT_NICE, &limit) == 0 && rlim_t(20 - BoostNice) <= limit.rlim_cur)
        return true;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    constexpr quint64 SysNice = quint64(1) << 23; // CAP_SYS_NICE
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("CapEff:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16) & SysNice;
    return false;
}

void IgnoreBrokenPipe()
{
    ::signal(SIGPIPE, SIG_IGN);
}

namespace {
const QByteArray OwnerVariable = "ZORVI_ENGINE_OWNER";

QByteArray readProcFile(qint64 pid, const char *name)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The owner named by the process's mark, or 0 when it carries none.
qint64 markedOwner(qint64 pid)
{
    const QByteArray prefix = OwnerVariable + '=';
    for (const QByteArray &entry : readProcFile(pid, "environ").split('\0'))
        if (entry.startsWith(prefix))
            return entry.mid(prefix.size()).toLongLong();
    return 0;
}
} // namespace

QProcessEnvironment EngineEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(OwnerVariable), QString::number(::getpid()));
    return env;
}

QList<qint64> FindEngineProcesses(qint64 exceptPid)
{
    QList<qint64> found;
    const uid_t me = ::getuid();
    const QByteArray ourName = readProcFile(::getpid(), "comm");
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid == exceptPid || readProcFile(pid, "comm").trimmed() != "mplayer")
            continue;
        struct stat st;
        if (::stat(QStringLiteral("/proc/%1").arg(pid).toLocal8Bit().constData(), &st) != 0 ||
            st.st_uid != me)
            continue;
        // A live owner with our name is a running copy still using its engine.
        const qint64 owner = markedOwner(pid);
        if (owner > 0 && readProcFile(owner, "comm") != ourName)
            found.append(pid);
    }
    return found;
}

void KillProcess(qint64 pid)
{
    if (pid > 0)
        ::kill(pid_t(pid), SIGKILL);
}

QString SystemErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}
