#pragma once
// The engine's version, read from the banner it prints when run without
// arguments ("MPlayer <version> (C) ..."); "?" when unknown.
#include "engine/EngineWaits.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QProcess;

class EngineVersion : public QObject {
    Q_OBJECT
public:
    static QString Parse(const QByteArray &output);
    // Blocks for at most timeoutMs.
    static QString Query(const QString &path, int timeoutMs = EngineWaits::VersionQueryMs);

    explicit EngineVersion(QObject *parent = nullptr);
    ~EngineVersion() override;

    // Asks without blocking; `answered` gets the version once, on this thread.
    // A query still running is dropped unanswered: the newest path wins (the
    // user may change the engine while the start-up query runs).
    void Start(const QString &path, std::function<void(const QString &version)> answered);
    bool IsRunning() const { return m_probe != nullptr; }

private:
    void Finish();
    QProcess *Take();

    QProcess *m_probe = nullptr;
    QByteArray m_output;
    std::function<void(const QString &version)> m_answered;
};
