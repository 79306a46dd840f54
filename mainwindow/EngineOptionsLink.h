#pragma once
// The options dialog's view of the engine link: the OSD command through the
// queue, the restart after an engine option changed, and the version.
#include "options/OptionsEngine.h"

class EngineCore;

class EngineOptionsLink : public OptionsEngine {
public:
    explicit EngineOptionsLink(EngineCore &engine) : m_engine(engine) {}

    void PostCommand(const QByteArray &text) override;
    bool IsRunning() const override;
    void Stop() override;
    void StartAgain() override;
    void DetectVersion() override;
    QString Version() const override;

private:
    EngineCore &m_engine;
};
