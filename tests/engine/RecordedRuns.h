#pragma once
// The engine link's runs without a process: each byte written is recorded,
// and the test gives the output and the end. "quit" ends a run as the engine does.
#include "engine/EngineRun.h"

struct RecordedRuns {
    QByteArrayList Written;

    class Run : public EngineRun {
    public:
        Run(RecordedRuns &log, quint64 run, QObject *receiver) : m_log(log), m_run(run), m_receiver(receiver)
        {
            m_log.Current = this;
        }
        ~Run() override
        {
            if (m_log.Current == this)
                m_log.Current = nullptr;
        }
        bool Start(const QString &, const QStringList &, const QString &, int &) override { return true; }
        void Write(const QByteArray &bytes) override
        {
            if (m_ended)
                return;
            m_log.Written.append(bytes);
            if (bytes.endsWith("quit\n"))
                End(0);
        }
        bool WaitForEnd(int) override { return m_ended; }
        void Kill() override { End(-1); }
        qint64 ProcessId() const override { return 4000 + qint64(m_run); }
        bool HasEnded() const override { return m_ended; }
        void ReadAtOnce() override {}
        void Post(QByteArrayList lines)
        {
            QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, std::move(lines)));
        }
        void End(int exitCode)
        {
            if (!std::exchange(m_ended, true))
                QCoreApplication::postEvent(m_receiver, new EngineLineMessage(m_run, exitCode));
        }

    private:
        RecordedRuns &m_log;
        quint64 m_run;
        QObject *m_receiver;
        bool m_ended = false;
    };
    Run *Current = nullptr; // the run not yet ended, if any

    EngineRunFactory Factory()
    {
        return [this](quint64 run, QObject *receiver) { return std::make_unique<Run>(*this, run, receiver); };
    }
};
