#pragma once
// One run of the engine process. Its output is cut into lines and each line is
// posted to the receiver as an EngineLineMessage; the end of the process is
// posted the same way behind the last line, so the receiver handles the end
// only after every line the engine wrote.
#include "engine/OutProcessor.h"

#include <QEvent>
#include <QObject>
#include <QStringList>

class QProcess;

class EngineLineMessage : public QEvent {
public:
    static constexpr QEvent::Type Type = QEvent::Type(QEvent::User + 10); // 1034

    EngineLineMessage(quint64 run, QByteArray line)
        : QEvent(Type), Run(run), Line(std::move(line)) {}
    EngineLineMessage(quint64 run, int exitCode)
        : QEvent(Type), Run(run), IsEnd(true), ExitCode(exitCode) {}

    quint64 Run;
    QByteArray Line;
    bool IsEnd = false;
    int ExitCode = 0;
};

class TEngineProcess : public QObject {
    Q_OBJECT
public:
    TEngineProcess(quint64 run, QObject *receiver);
    ~TEngineProcess() override;

    // False when the program could not be started; errorCode is then an errno value.
    bool Start(const QString &program, const QStringList &arguments, const QString &workingDir,
               int &errorCode);
    void Write(const QByteArray &bytes);
    bool WaitForEnd(int ms);
    void Kill();
    qint64 ProcessId() const;
    bool HasEnded() const { return m_ended; }

private:
    void ReadOutput();
    void Finished(int exitCode, int exitStatus);

    quint64 m_run;
    QObject *m_receiver;
    QProcess *m_process;
    TMPOutProcessor m_cutter;
    bool m_ended = false;
};
