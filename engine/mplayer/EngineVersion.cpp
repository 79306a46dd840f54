#include "engine/mplayer/EngineVersion.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>
#include <utility>

QString EngineVersion::Parse(const QByteArray &output)
{
    for (const QByteArray &raw : output.split('\n')) {
        const QByteArray line = raw.trimmed();
        // mpv's first line: "mpv 0.35.1 Copyright ..."
        if (line.startsWith("mpv ") && line.size() > 4 && line[4] >= '0' && line[4] <= '9')
            return QString::fromUtf8(line.mid(4, line.indexOf(' ', 4) - 4).left(40));
        if (!line.startsWith("MPlayer "))
            continue;
        const qsizetype end = line.indexOf(" (C)");
        if (end > 8)
            return QString::fromUtf8(line.mid(8, end - 8).trimmed());
    }
    return QStringLiteral("?");
}

QString EngineVersion::Query(const QString &path, int timeoutMs)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(path, {});
    if (!probe.waitForStarted(timeoutMs))
        return QStringLiteral("?");
    QByteArray out;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && probe.state() == QProcess::Running) {
        probe.waitForReadyRead(int(deadline.remainingTime()));
        out += probe.readAll();
        if (Parse(out) != u"?")
            break;
    }
    out += probe.readAll();
    probe.kill();
    probe.waitForFinished(EngineWaits::ReapMs);
    return Parse(out);
}

EngineVersion::EngineVersion(QObject *parent) : QObject(parent) {}

EngineVersion::~EngineVersion()
{
    delete Take();
}

// The running probe, no longer heard and reaped at once, so no process
// outlives its QProcess; null when none runs.
QProcess *EngineVersion::Take()
{
    QProcess *probe = std::exchange(m_probe, nullptr);
    if (probe) {
        probe->disconnect(this);
        if (probe->state() != QProcess::NotRunning) {
            probe->kill();
            probe->waitForFinished(EngineWaits::ReapMs);
        }
    }
    return probe;
}

void EngineVersion::Start(const QString &path, std::function<void(const QString &version)> answered)
{
    if (QProcess *old = Take())
        old->deleteLater();
    m_answered = std::move(answered);
    m_output.clear();
    m_probe = new QProcess(this);
    m_probe->setProcessChannelMode(QProcess::MergedChannels);
    QProcess *probe = m_probe;
    connect(probe, &QProcess::readyRead, this, [this, probe] {
        if (probe != m_probe)
            return;
        m_output += probe->readAll();
        if (Parse(m_output) != u"?")
            Finish();
    });
    connect(probe, &QProcess::finished, this, [this, probe] {
        if (probe == m_probe)
            Finish();
    });
    connect(probe, &QProcess::errorOccurred, this, [this, probe](QProcess::ProcessError e) {
        if (probe == m_probe && e == QProcess::FailedToStart)
            Finish();
    });
    QTimer::singleShot(EngineWaits::VersionQueryMs, probe, [this, probe] {
        if (probe == m_probe)
            Finish();
    });
    probe->start(path, {});
}

void EngineVersion::Finish()
{
    m_output += m_probe->readAll();
    Take()->deleteLater();
    const auto answered = std::move(m_answered);
    m_answered = nullptr;
    answered(Parse(m_output));
}
