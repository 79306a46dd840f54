#pragma once
// One run of the engine process. Its output is cut into lines and the lines
// are posted to the receiver as EngineLineMessages, in order; the end of the
// process is posted the same way behind the last line, so the receiver
// handles the end only after every line the engine wrote.
//
// The engine writes a status line for every frame. While it writes nothing
// but those, its output is read every StatusReadMs instead of at every line:
// each wake-up costs far more than parsing the lines, and a read every 750 ms
// still sees every change of the whole second the window shows. Any other
// line switches back to reading at once, and so does every command written to
// the engine, for AnswerWindowMs, so its answer is not delayed.
#include "engine/MPOutProcessor.h"
#include "platform/OutputPipe.h"

#include <QEvent>
#include <QObject>
#include <QStringList>
#include <cstdint>

class QProcess;
class QSocketNotifier;
class QTimer;

// The lines of one read of the engine's output, in order (one wake-up for
// all of them), or the end of the run.
class EngineLineMessage : public QEvent {
public:
    static constexpr QEvent::Type Type = QEvent::Type(QEvent::User + 10); // 1034

    EngineLineMessage(quint64 run, QByteArrayList lines) : QEvent(Type), Run(run), Lines(std::move(lines)) {}
    EngineLineMessage(quint64 run, int exitCode) : QEvent(Type), Run(run), IsEnd(true), ExitCode(exitCode) {}

    quint64 Run;
    QByteArrayList Lines;
    bool IsEnd = false;
    int ExitCode = 0;
};

class EngineProcess : public QObject {
    Q_OBJECT
public:
    static constexpr int StatusReadMs = 750;
    static constexpr int AnswerWindowMs = 500;

    EngineProcess(quint64 run, QObject *receiver);
    ~EngineProcess() override;

    // False when the program could not be started; errorCode is then an errno value.
    bool Start(const QString &program, const QStringList &arguments, const QString &workingDir,
               int &errorCode);
    void Write(const QByteArray &bytes);
    bool WaitForEnd(int ms);
    void Kill();
    qint64 ProcessId() const;
    bool HasEnded() const { return m_ended; }

private:
    // Reads what the pipe holds and posts its lines; true when the new lines
    // were all status lines.
    bool ReadOutput(bool &gotData);
    void OnReadable();
    void OnReadTimer();
    void CloseOutput();
    void Finished(int exitCode, int exitStatus);

    quint64 m_run;
    QObject *m_receiver;
    QProcess *m_process;
    OutputPipe m_pipe;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_readTimer = nullptr;
    TMPOutProcessor m_cutter;
    bool m_ended = false;
    std::uint64_t m_immediateUntil = 0; // read at once until then (after a command)
};
