#pragma once
// One run of the engine process. Its output is cut into lines and the lines
// are posted to the receiver as EngineLineMessages, in order; the end of the
// process is posted the same way behind the last line, so the receiver
// handles the end only after every line the engine wrote.
//
// The engine writes a status line for every frame. While it writes nothing
// but those, its output is read only when the whole second they show can turn
// (StatusPace): each wake-up costs far more than parsing the lines. Any other
// line switches back to reading at once, and so does every command written to
// the engine, for AnswerWindowMs, so its answer is not delayed.
//
// One wake-up reads at most SliceBytes and then returns to the event loop, so
// an engine that floods its output cannot starve the window or a signal.
#include "engine/EngineRun.h"
#include "engine/mplayer/MPOutProcessor.h"
#include "engine/mplayer/StatusPace.h"
#include "platform/OutputPipe.h"

#include <QObject>
#include <cstdint>

class QProcess;
class QSocketNotifier;
class QTimer;

class EngineProcess : public QObject, public EngineRun {
    Q_OBJECT
public:
    static constexpr int SliceBytes = 16384;
    static constexpr int AnswerWindowMs = 500;
    // What the pipe may still hold when the engine has gone.
    static constexpr int FinalBytes = 1 << 20;

    EngineProcess(quint64 run, QObject *receiver);
    ~EngineProcess() override;
    // Runs that are real processes.
    static EngineRunFactory Factory();
    // The errno a start of `program` would fail with, or 0, found before
    // starting: QProcess only reports a failed start, not why.
    static int StartProblem(const QString &program);

    bool Start(const QString &program, const QStringList &arguments, const QString &workingDir,
               int &errorCode) override;
    void Write(const QByteArray &bytes) override;
    bool WaitForEnd(int ms) override;
    void Kill() override;
    qint64 ProcessId() const override;
    bool HasEnded() const override { return m_ended; }
    void ReadAtOnce() override;

private:
    struct Slice {
        qint64 Bytes = 0;
        qsizetype Lines = 0;     // whole lines read (a part of one waits for the rest)
        bool Full = false;       // more may be waiting
        bool OnlyStatus = false; // lines were read, all of them status lines
        StatusPace::Read Pace{};
    };
    // Reads up to `limit` bytes and posts their lines.
    Slice ReadOutput(qint64 limit);
    void OnReadable();
    void OnPaceTimer();
    void PlanNextRead(const Slice &slice);
    void CloseOutput();
    void Finished(int exitCode, int exitStatus);

    quint64 m_run;
    QObject *m_receiver;
    QProcess *m_process;
    OutputPipe m_pipe;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_paceTimer = nullptr;
    TMPOutProcessor m_cutter;
    StatusPace m_pace;
    bool m_ended = false;
    bool m_outputEnded = false;
    std::uint64_t m_immediateUntil = 0; // read at once until then (after a command)
    std::uint64_t m_lastReadMs = 0;
};
