#pragma once
// One run of an engine process, as the engine link drives it. The run posts
// its output to the receiver as EngineLineMessages, in order, and its end
// the same way behind the last line. The link gets its runs from a factory:
// the real process, or a recorder in tests.
#include <QByteArrayList>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The lines of one read of the engine's output, in order (one wake-up for
// all of them), or the end of the run.
class EngineLineMessage : public QEvent {
public:
    static constexpr QEvent::Type Type = QEvent::Type(QEvent::User + 10); // 1034

    EngineLineMessage(quint64 run, QByteArrayList lines, int cutLines = 0)
        : QEvent(Type), Run(run), Lines(std::move(lines)), CutLines(cutLines)
    {
    }
    EngineLineMessage(quint64 run, int exitCode) : QEvent(Type), Run(run), IsEnd(true), ExitCode(exitCode) {}
    // What the run itself has to say (not the engine's output), for the log.
    EngineLineMessage(quint64 run, QString note) : QEvent(Type), Run(run), Note(std::move(note)) {}

    quint64 Run;
    QByteArrayList Lines;
    int CutLines = 0; // lines among them that were too long and were cut
    bool IsEnd = false;
    int ExitCode = 0;
    QString Note;
};

class EngineRun {
public:
    virtual ~EngineRun() = default;
    // False when the program could not be started; errorCode is then an errno value.
    virtual bool Start(const QString &program, const QStringList &arguments, const QString &workingDir,
                       int &errorCode) = 0;
    virtual void Write(const QByteArray &bytes) = 0;
    // True once the process has ended (its end may still be on its way).
    virtual bool WaitForEnd(int ms) = 0;
    virtual void Kill() = 0;
    virtual qint64 ProcessId() const = 0;
    virtual bool HasEnded() const = 0;
    // The output matters now (seeking has ended): read it as it comes.
    virtual void ReadAtOnce() = 0;
};

// Makes the run numbered `run`, posting to `receiver`.
using EngineRunFactory = std::function<std::unique_ptr<EngineRun>(quint64 run, QObject *receiver)>;
